#include <vector>

#include "form_fixture.h"

namespace {

using namespace toolkit;

class InputTest : public FormTest {
 protected:
  int saves = 0;
  int backs = 0;
  int filtered = 0;
  void SetUp() override {
    form.onSetSaveClick = [this] { ++saves; };
    form.onSetBackClick = [this] { ++backs; };
    form.tSSIDName->onKeyDown = [this](uint16_t&, wchar_t&, Modifiers) { ++filtered; };
  }
};

TEST_F(InputTest, EnterSavesAndEscGoesBackOnlyOnTheSettingsScreen) {
  host.Press(keys::kReturn);
  host.Press(keys::kEscape);
  EXPECT_EQ(saves + backs, 0) << "home screen";

  form.ShowHomeToSettings();
  host.Click({10 + 8 + 106 + 20, 10 + 27 + 29 + 10});
  ASSERT_EQ(host.GetScene().Focused(), form.tSSIDName);
  const int filteredBefore = filtered;
  host.Press(keys::kReturn);
  EXPECT_EQ(saves, 1);
  host.Press(keys::kEscape);
  EXPECT_EQ(backs, 1);
  EXPECT_EQ(filtered, filteredBefore) << "the key filter never sees Enter or Esc";
  EXPECT_EQ(form.tSSIDName->Text(), L"zentura");

  host.GetScene().SetFocus(form.cbtPublicNet);
  host.Press(keys::kReturn);
  EXPECT_EQ(saves, 2);
}

TEST_F(InputTest, TabWalksTheSettingsInKeyboardOrder) {
  form.ShowHomeToSettings();
  Scene& scene = host.GetScene();
  scene.SetFocus(form.tSSIDName);
  const std::vector<Node*> order{form.tPwd,          form.CheckBoxAutostart, form.cbtPublicNet,
                                 form.cbtPrivateNet, form.btnSetSave,        form.btnSetBack,
                                 form.tSSIDName};
  for (Node* next : order) {
    host.Press(keys::kTab);
    EXPECT_EQ(scene.Focused(), next) << next->Name();
  }
  host.Press(keys::kTab, {true});
  EXPECT_EQ(scene.Focused(), form.btnSetBack);
}

TEST_F(InputTest, ButtonsReachTheirHandlersAndBackgroundsDragTheWindow) {
  std::vector<std::string> clicked;
  const auto record = [&](const char* name) {
    return [&clicked, name] { clicked.push_back(name); };
  };
  form.onUpdateClick = record("update");
  form.onMinutesClick = record("minutes");
  form.onSettingClick = record("setting");
  form.onCloseClick = record("close");
  form.onStopClick = record("stop");
  form.onQcodeClick = record("qcode");
  form.onQcodePanelClick = record("panel");
  host.Click({10 + 11 + 43, 10 + 300 + 16 + 33});
  host.Click({10 + 121 + 43, 10 + 300 + 16 + 33});
  host.Click({10 + 232 + 43, 10 + 300 + 16 + 33});
  host.Click({10 + 311, 10 + 16});
  EXPECT_EQ(host.cursor, Cursor::Hand);

  form.ShowHomeToRunning();
  host.Advance(600);
  host.Click({174, 10 + 70 + 112});  // the stop button in the middle of the spinner panel
  host.Click({10 + 165, 10 + 367});  // the badge's label
  form.ShowQrPanel();
  host.Click({10 + 20, 10 + 200});  // anywhere on the QR panel
  host.Click({10 + 311, 10 + 16});
  const std::vector<std::string> expected{"update", "minutes", "setting", "close",
                                          "stop",   "qcode",   "panel",   "close"};
  EXPECT_EQ(clicked, expected);

  // The title, the spinner panel around the stop button and the glow band drag the window.
  form.HideQrPanel();
  Scene& scene = host.GetScene();
  for (PointF p : {PointF{30, 20}, PointF{30, 100}, PointF{4, 200}}) {
    EXPECT_EQ(scene.NodeAt(p), nullptr) << p.x << "," << p.y;
  }
  host.windowPosition = {};
  scene.MouseDown({30, 20}, MouseButton::Left);
  scene.MouseMove({45, 27});
  scene.MouseUp({45, 27}, MouseButton::Left);
  EXPECT_EQ(host.windowPosition.x, 15);
  EXPECT_EQ(host.windowPosition.y, 7);
}

TEST_F(InputTest, TooltipsOnlyOnTheStartAndStopButtons) {
  EXPECT_EQ(form.btnBegin->Tooltip(), L"一键开启WIFI");
  EXPECT_EQ(form.btnStop->Tooltip(), L"点击停止WIFI共享");
  int withTooltip = 0;
  std::function<void(Node&)> count = [&](Node& n) {
    if (!n.Tooltip().empty()) ++withTooltip;
    for (auto& c : n.Children()) count(*c);
  };
  count(*form.Root1);
  EXPECT_EQ(withTooltip, 2);
}

TEST_F(InputTest, PopupDimsTheWindowWhichTakesNoClickUntilItCloses) {
  int settingClicks = 0;
  form.onSettingClick = [&] { ++settingClicks; };
  const PointF setting{10 + 232 + 43, 10 + 300 + 16 + 33};
  // The screen's fill and glow, and the bottom bar lying on the screen.
  const PointF fill{20, 150}, glow{5, 200}, bar{15, 360};
  const Color before[] = {PixelAt(20, 150), PixelAt(5, 200), PixelAt(15, 360)};
  Color dimmed[3] = {};
  int checks = 0;
  host.onDispatch = [&] {
    host.Advance(33);
    if (++checks == 20) {  // the opening slide has ended
      int i = 0;
      for (PointF p : {fill, glow, bar}) dimmed[i++] = PixelAt(int(p.x), int(p.y));
      host.Click(setting);
      Scene* popup = host.OpenPopupScene();
      ASSERT_NE(popup, nullptr);
      host.Render();
      Bitmap frame(328, 250);
      popup->RenderAll(frame);
      Snapshot(frame, "feedback_popup");
      Shot("home_dimmed");
      // btnSugOk in the popup's coordinates.
      popup->MouseDown({245 + 25, 194 + 11}, MouseButton::Left);
      popup->MouseUp({245 + 25, 194 + 11}, MouseButton::Left);
    }
  };
  EXPECT_EQ(form.PopupModal(), ui::MainForm::kSuggestOk);
  EXPECT_EQ(settingClicks, 0);
  // Root1, the screen and its glow keep their opacity; the bar on the screen takes 0.8.
  EXPECT_EQ(dimmed[0], before[0]);
  EXPECT_EQ(dimmed[1], before[1]);
  EXPECT_NEAR(GreenOf(dimmed[2]),
              GreenOf(before[0]) + 0.8 * (GreenOf(before[2]) - GreenOf(before[0])), 2);
  EXPECT_EQ(host.Popups().back()->position.x, 10);
  EXPECT_EQ(host.Popups().back()->position.y, 81.5f);
  EXPECT_FALSE(host.Popups().back()->open);
  host.onDispatch = nullptr;
  EXPECT_EQ(PixelAt(15, 360), before[2]);
  host.Click(setting);
  EXPECT_EQ(settingClicks, 1);
  EXPECT_EQ(form.SuggestionText(), L"请输入您的宝贵意见");
}

TEST_F(InputTest, PopupCancelGivesSevenAndTheEndOfTheApplicationTwo) {
  host.onDispatch = [&] {
    host.Advance(33);
    if (Scene* popup = host.OpenPopupScene()) {
      popup->MouseDown({184 + 25, 194 + 11}, MouseButton::Left);
      popup->MouseUp({184 + 25, 194 + 11}, MouseButton::Left);
    }
  };
  EXPECT_EQ(form.PopupModal(), ui::MainForm::kSuggestCancel);
  host.onDispatch = [&] {
    host.Advance(33);
    host.ending = true;
  };
  EXPECT_EQ(form.PopupModal(), 2);
}

}  // namespace

namespace {

using namespace toolkit;

TEST_F(FormTest, ContextOpeningLetsEscCloseThePopupForGood) {
  // Esc at the first chance; should it be ignored, OK ends the wait a little later.
  int dispatches = 0;
  host.onDispatch = [&] {
    host.Advance(33);
    Scene* popup = host.OpenPopupScene();
    if (popup == nullptr) return;
    if (++dispatches == 1) popup->KeyDown(keys::kEscape);
    if (dispatches == 30) {
      popup->MouseDown({245 + 25, 194 + 11}, MouseButton::Left);
      popup->MouseUp({245 + 25, 194 + 11}, MouseButton::Left);
    }
  };
  EXPECT_EQ(form.PopupModal(), ui::MainForm::kSuggestOk) << "Esc leaves a normal opening open";
  dispatches = 0;
  EXPECT_EQ(form.PopupModalFromContextRequest(), 2);
  dispatches = 0;
  EXPECT_EQ(form.PopupModal(), 2) << "closable by Esc for good";
}

TEST_F(FormTest, ControlsOutlivingTheFormDoNothing) {
  toolkit::HeadlessHost other{{ui::MainForm::kWidth, ui::MainForm::kHeight}, TestFonts()};
  int clicks = 0;
  {
    ui::MainForm gone(other.GetScene());
    gone.onBeginClick = [&] { ++clicks; };
    other.Click({174, 213});
    EXPECT_EQ(clicks, 1);
  }
  other.Click({174, 213});
  EXPECT_EQ(clicks, 1);
}

TEST_F(FormTest, ASecondClickInsideAWaitRunsTheTransitionAgainWithoutHarm) {
  int begins = 0;
  form.onBeginClick = [&] {
    ++begins;
    form.ShowHomeToRunning();
  };
  host.onDispatch = [&] {
    host.Advance(33);
    if (begins == 1) host.Click({174, 213});  // the double click's second press
  };
  host.Click({174, 213});
  EXPECT_EQ(begins, 2);
  host.onDispatch = nullptr;
  host.Advance(600);
  EXPECT_TRUE(form.rglMainLed->Visible());
  EXPECT_FALSE(form.rglMain->Visible());
  EXPECT_EQ(form.rglMainLed->Opacity(), 1);
}

}  // namespace
