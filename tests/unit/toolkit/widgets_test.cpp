#include <gtest/gtest.h>

#include "test_support.h"
#include "toolkit/headless_host.h"
#include "toolkit/widgets/buttons.h"
#include "toolkit/widgets/check_box.h"
#include "toolkit/widgets/combo_box.h"
#include "toolkit/widgets/memo.h"
#include "toolkit/widgets/message_popup.h"
#include "toolkit/widgets/text_box.h"

namespace {

using namespace toolkit;

class WidgetTest : public ::testing::Test {
 protected:
  HeadlessHost host{{348, 413}, TestFonts()};
  Scene& scene = host.GetScene();
  Node& root = scene.Root();
  void SetUp() override {
    auto* bg = root.Add<RectangleNode>("bg");
    bg->SetAlign(Align::Client);
    bg->SetFill(Brush::Solid(0xFFF35947));
  }
};

TEST_F(WidgetTest, TextBoxTypesEditsSelectsAndUsesTheClipboard) {
  auto* box = root.Add<TextBox>("tSSIDName");
  box->SetBounds(106, 29, 161, 22);
  box->SetText(L"zentura");
  int changes = 0;
  box->onChange = [&] { ++changes; };
  host.Click({120, 40});
  EXPECT_EQ(scene.Focused(), box);
  box->Editor().MoveTo(7, false);
  host.Type(L"家");
  EXPECT_EQ(box->Text(), L"zentura家");
  host.Press(keys::kBack);
  host.Press(keys::kHome);
  host.Press(keys::kRight, {true});
  host.Press(keys::kRight, {true});
  host.Press(keys::kC, {false, true});
  EXPECT_EQ(host.clipboard, L"ze");
  host.Press(keys::kEnd);
  host.Press(keys::kV, {false, true});
  EXPECT_EQ(box->Text(), L"zenturaze");
  host.Press(keys::kA, {false, true});
  host.Press(keys::kX, {false, true});
  EXPECT_EQ(box->Text(), L"");
  EXPECT_EQ(host.clipboard, L"zenturaze");
  EXPECT_EQ(changes, 4);
  host.Render();
  Snapshot(host.Frame(), "text_box");
}

TEST_F(WidgetTest, KeyHookSeesKeysAndCharactersFirstAndMaySuppressThem) {
  auto* box = root.Add<TextBox>("tPwd");
  box->SetBounds(106, 61, 161, 22);
  box->SetText(L"123");
  std::vector<std::pair<uint16_t, wchar_t>> seen;
  box->onKeyDown = [&](uint16_t& key, wchar_t& ch, Modifiers) {
    seen.emplace_back(key, ch);
    if (ch == L'x' || key == keys::kBack) {
      key = 0;
      ch = 0;
    }
  };
  scene.SetFocus(box);
  host.Type(L"4x5");
  host.Press(keys::kBack);
  EXPECT_EQ(box->Text(), L"12345");
  ASSERT_GE(seen.size(), 2u);
  EXPECT_EQ(seen[0].first, '4');
  EXPECT_EQ(seen[0].second, 0);
  EXPECT_EQ(seen[1].first, 0);
  EXPECT_EQ(seen[1].second, L'4');
}

TEST_F(WidgetTest, ClearButtonEmptiesAndFocusesTheBox) {
  auto* box = root.Add<TextBox>("t");
  box->SetBounds(106, 29, 161, 22);
  box->SetText(L"abc");
  const RectF clear = box->ClearButton().SceneBounds();
  host.Click(clear.Center());
  EXPECT_EQ(box->Text(), L"");
  EXPECT_EQ(scene.Focused(), box);
}

TEST_F(WidgetTest, ComboSelectionThroughItsDropDownList) {
  auto* combo = root.Add<ComboBox>("cbtPublicNet");
  combo->SetBounds(132, 42, 156, 22);
  combo->SetItems({L"本地连接", L"无线网络连接", L"宽带连接"});
  EXPECT_EQ(combo->SelectedIndex(), -1);
  int changes = 0;
  combo->onChange = [&] { ++changes; };
  host.Click({200, 50});
  ASSERT_TRUE(combo->IsDropDownOpen());
  Scene* list = host.OpenPopupScene();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(host.Popups().back()->position.y, 64);  // right below the box
  // Second row (19 px rows after a 1-px frame).
  list->MouseMove({50, 1 + 19 + 9});
  list->MouseDown({50, 1 + 19 + 9}, MouseButton::Left);
  list->MouseUp({50, 1 + 19 + 9}, MouseButton::Left);
  EXPECT_EQ(combo->SelectedIndex(), 1);
  EXPECT_EQ(combo->SelectedText(), L"无线网络连接");
  EXPECT_FALSE(combo->IsDropDownOpen());
  EXPECT_EQ(changes, 1);
  scene.SetFocus(combo);
  host.Press(keys::kDown);
  host.Press(keys::kDown);
  EXPECT_EQ(combo->SelectedIndex(), 2);
  host.Press(keys::kUp);
  EXPECT_EQ(combo->SelectedIndex(), 1);
  combo->OpenDropDown();
  host.OpenPopupScene()->Deactivate();  // a click elsewhere closes it
  EXPECT_FALSE(combo->IsDropDownOpen());
  // A press on the box while its list is open closes it, and the release does not reopen it.
  host.Click({200, 50});
  ASSERT_TRUE(combo->IsDropDownOpen());
  host.Click({200, 50});
  EXPECT_FALSE(combo->IsDropDownOpen());
  combo->SetSelectedIndex(7);
  EXPECT_EQ(combo->SelectedIndex(), -1);
  host.Render();
  Snapshot(host.Frame(), "combo_box");
}

TEST_F(WidgetTest, CheckBoxTogglesAndItsMarkFadesIn) {
  auto* check = root.Add<CheckBox>("CheckBoxAutostart");
  check->SetBounds(106, 98, 161, 27);
  check->SetCaption(L"是否开机启动");
  host.Render();
  EXPECT_EQ(StraightColor(host.Frame().At(116, 111)), 0xFFF35947u);  // mark transparent
  host.Click({200, 110});
  EXPECT_TRUE(check->IsChecked());
  scene.SetFocus(nullptr);  // the focus glow reaches into the box
  host.Advance(150);
  EXPECT_NE(StraightColor(host.Frame().At(114, 112)), 0xFFF35947u);
  scene.SetFocus(check);
  host.Press(keys::kSpace);
  EXPECT_FALSE(check->IsChecked());
  host.Advance(40);
  scene.SetFocus(nullptr);
  host.Render();
  EXPECT_EQ(StraightColor(host.Frame().At(114, 112)), 0xFFF35947u);
  // Unchecked while the mark still fades in: the newer animation of the fill wins.
  host.Click({200, 110});
  host.Advance(40);
  host.Click({200, 110});
  host.Advance(200);
  EXPECT_FALSE(check->IsChecked());
  scene.SetFocus(nullptr);
  host.Render();
  EXPECT_EQ(StraightColor(host.Frame().At(114, 112)), 0xFFF35947u);
  Snapshot(host.Frame(), "check_box");
}

TEST_F(WidgetTest, MemoScrollsWithBarsWheelAndCaret) {
  auto* memo = root.Add<Memo>("MemoSuggest");
  memo->SetBounds(33, 44, 262, 129);
  std::wstring text;
  for (int i = 0; i < 30; ++i)
    text += L"第" + std::to_wstring(i) +
            L"行 a fairly long line that does not wrap at all, not even here\n";
  memo->SetText(text);
  EXPECT_EQ(memo->Scroll().y, 0);
  const PointF max = memo->MaxScroll();
  EXPECT_GT(max.y, 200);
  EXPECT_GT(max.x, 50);
  scene.MouseWheel({100, 100}, -1);
  const float afterWheel = memo->Scroll().y;
  EXPECT_GT(afterWheel, 0);
  // Down arrow of the vertical bar.
  const RectF v = memo->VerticalBar();
  host.Click({33 + v.Center().x, 44 + v.bottom - 4});
  EXPECT_GT(memo->Scroll().y, afterWheel);
  scene.SetFocus(memo);
  host.Press(keys::kEnd, {false, true});
  EXPECT_FLOAT_EQ(memo->Scroll().y, max.y);
  host.Press(keys::kHome, {false, true});
  EXPECT_EQ(memo->Scroll().y, 0);
  EXPECT_EQ(memo->Scroll().x, 0);
  host.Press(keys::kEnd);
  EXPECT_GT(memo->Scroll().x, 0);  // caret at the end of a long line
  host.Press(keys::kDown);
  host.Type(L"\r");
  EXPECT_NE(memo->Text().find(L"\n\n"), std::wstring::npos);
  host.Render();
  Snapshot(host.Frame(), "memo");
}

TEST_F(WidgetTest, ButtonsPlaceGlyphAndCaptionAndShowTheirStates) {
  auto glyph = std::make_shared<Bitmap>(20, 21, PremultipliedPixel(0xFFFFFFFF));
  auto* update = root.Add<BitmapButton>("btnUpdate");
  update->SetBounds(11, 216, 86, 66);
  update->SetGlyph(glyph, GlyphPosition::Top);
  update->SetCaption(L"升级");
  EXPECT_EQ(update->Glyph().Position().y, 2);
  EXPECT_EQ(update->Glyph().Height(), 32);
  EXPECT_EQ(update->Caption().Position().y, 34);
  host.Render();
  const Color unlit = StraightColor(host.Frame().At(41, 234));
  scene.MouseMove({54, 250});
  host.Render();
  // The hover glow takes the shape of the glyph and caption: the button paints nothing itself.
  EXPECT_NE(StraightColor(host.Frame().At(41, 234)), unlit);
  scene.MouseMove({5, 5});
  auto* close = root.Add<BitmapButton>("btnClose");
  close->SetBounds(303, 8, 16, 16);
  auto cross = std::make_shared<Bitmap>(16, 16, PremultipliedPixel(0xFFFFFFFF));
  close->SetGlyph(cross, GlyphPosition::Center, SizeF{16, 16});
  host.Render();
  // A centred glyph fills its area at its own size: no edge is kept around it.
  EXPECT_EQ(StraightColor(host.Frame().At(303, 8)), 0xFFFFFFFFu);
  EXPECT_EQ(StraightColor(host.Frame().At(318, 23)), 0xFFFFFFFFu);

  auto* begin = root.Add<ImageStateButton>("btnBegin");
  begin->SetBounds(89, 78, 151, 150);
  begin->SetImages(std::make_shared<Bitmap>(151, 149, PremultipliedPixel(0x40FFFFFF)),
                   std::make_shared<Bitmap>(151, 149, PremultipliedPixel(0xFFFF9900)),
                   std::make_shared<Bitmap>(151, 149, PremultipliedPixel(0xFFCC0000)));
  host.Render();
  const Color normal = StraightColor(host.Frame().At(160, 150));
  scene.MouseMove({160, 150});
  host.Render();
  EXPECT_EQ(StraightColor(host.Frame().At(160, 150)), 0xFFFF9900u);
  scene.MouseDown({160, 150}, MouseButton::Left);
  host.Render();
  EXPECT_EQ(StraightColor(host.Frame().At(160, 150)), 0xFFCC0000u);
  scene.MouseUp({160, 150}, MouseButton::Left);
  host.Render();
  EXPECT_EQ(StraightColor(host.Frame().At(160, 150)), 0xFFFF9900u);  // released, still over
  scene.MouseMove({5, 5});
  host.Render();
  EXPECT_EQ(StraightColor(host.Frame().At(160, 150)), normal);
  EXPECT_GT(AlphaAt(host.Frame(), 160, 150), 0);
  EXPECT_GT(normal & 0xFFu, 0x47u);  // the translucent white gloss lightens the ground

  PushButtonStyle style;
  style.fill = 0xFFEA5600;
  style.outline = 0xFFFFFFFF;
  style.captionColor = 0xFFE0E0E0;
  style.fillTransitions = {{0xFFF2781E,
                            0xFFEA5600,
                            0.2,
                            {{NodeState::MouseOver, true}, {NodeState::Pressed, false}},
                            {{NodeState::MouseOver, false}, {NodeState::Pressed, false}}}};
  auto* save = root.Add<PushButton>("btnSetSave", style);
  save->SetBounds(146, 361, 80, 22);
  save->SetCaption(L"保存设置");
  save->SetRole(KeyRole::Default);
  int saves = 0;
  save->onClick = [&] { ++saves; };
  host.Press(keys::kReturn);
  EXPECT_EQ(saves, 1);
  host.Render();
  EXPECT_EQ(StraightColor(host.Frame().At(147, 372)), 0xFFEA5600u);
  EXPECT_EQ(StraightColor(host.Frame().At(146, 372)), 0xFFFFFFFFu);  // 1-px outline
  Snapshot(host.Frame(), "buttons");
}

TEST_F(WidgetTest, ModalPopupDimsTheOwnerDragsItAndReturnsTheResult) {
  // The button lies on the screen `bg`.
  auto* button = root.Children().front()->Add<PushButton>("b");
  button->SetBounds(10, 10, 50, 20);
  int clicks = 0;
  button->onClick = [&] { ++clicks; };
  MessagePopup popup(scene, {328, 250});
  popup.SetPlacement({10, 81.5f});
  auto* ok = popup.Body().Add<PushButton>("btnSugOk");
  ok->SetBounds(245, 194, 50, 22);
  ok->onClick = [&] { popup.Close(1); };
  int step = 0;
  bool dragged = false;
  Color screenPixel = 0, buttonPixel = 0;
  host.onDispatch = [&] {
    host.Advance(33);
    ++step;
    if (step == 2) {
      host.Click({20, 15});  // the owner's button does not react: the press drags instead
      scene.MouseDown({200, 200}, MouseButton::Left);
      scene.MouseMove({210, 200});
      scene.MouseUp({210, 200}, MouseButton::Left);
      dragged = host.windowPosition.x == 10;
      host.Render();
      screenPixel = StraightColor(host.Frame().At(100, 300));
      buttonPixel = StraightColor(host.Frame().At(30, 20));
    }
    if (step == 20) {
      ASSERT_NE(host.OpenPopupScene(), nullptr);
      EXPECT_EQ(popup.Body().Position().y, 0);  // the opening slide has ended
      // The open popup's wait sleeps until a message comes; it never spins.
      EXPECT_EQ(host.SleepingWaitCount(), 20);
      EXPECT_EQ(host.DispatchCount(), 0);
      host.OpenPopupScene()->MouseDown({260, 200}, MouseButton::Left);
      host.OpenPopupScene()->MouseUp({260, 200}, MouseButton::Left);
    }
  };
  EXPECT_EQ(popup.PopupModal(), 1);
  EXPECT_EQ(clicks, 0);
  EXPECT_TRUE(dragged);
  // The screen keeps its opacity; the button on it is drawn at 0.8 over it.
  EXPECT_EQ(screenPixel, 0xFFF35947u);
  EXPECT_NEAR(RedOf(buttonPixel), 0xE1 * 0.8 + 0xF3 * 0.2, 2);
  EXPECT_NEAR(GreenOf(buttonPixel), 0xE1 * 0.8 + 0x59 * 0.2, 2);
  // The popup's first frame already shows its content at the slide's start, 200 px up.
  const Bitmap& first = host.Popups().front()->firstFrame;
  EXPECT_EQ(AlphaAt(first, 260, 205), 0);
  EXPECT_GT(AlphaAt(first, 260, 5), 0);
  EXPECT_EQ(popup.Body().Position().y, -200);  // closing slide ran to its end
  EXPECT_FALSE(popup.IsOpen());
  host.onDispatch = nullptr;
  host.Click({20, 15});
  EXPECT_EQ(clicks, 1);
  // The application ending ends the wait with 2.
  host.onDispatch = [&] { host.ending = true; };
  EXPECT_EQ(popup.PopupModal(), 2);
}

TEST_F(WidgetTest, PopupThatNoLongerStaysOpenClosesOnEscapeOrDeactivation) {
  MessagePopup popup(scene, {328, 250});
  popup.staysOpen = false;
  host.onDispatch = [&] {
    host.Advance(33);
    host.OpenPopupScene()->KeyDown(keys::kEscape);
  };
  EXPECT_EQ(popup.PopupModal(), 2);
  popup.staysOpen = true;
  int n = 0;
  host.onDispatch = [&] {
    host.Advance(33);
    host.OpenPopupScene()->KeyDown(keys::kEscape);
    host.OpenPopupScene()->Deactivate();
    if (++n == 5) popup.Close(7);
  };
  EXPECT_EQ(popup.PopupModal(), 7);
}

}  // namespace
