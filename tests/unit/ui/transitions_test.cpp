#include <vector>

#include "form_fixture.h"

namespace {

using namespace toolkit;

// Times (ms since the start) and values of one property while a transition waits.
struct Trace {
  std::vector<std::pair<uint32_t, float>> samples;
  float Min() const {
    float m = samples.empty() ? 0 : samples.front().second;
    for (auto& s : samples) m = std::min(m, s.second);
    return m;
  }
  float Max() const {
    float m = samples.empty() ? 0 : samples.front().second;
    for (auto& s : samples) m = std::max(m, s.second);
    return m;
  }
  // The value recorded last at or before `ms`.
  float At(uint32_t ms) const {
    float v = samples.empty() ? 0 : samples.front().second;
    for (auto& s : samples)
      if (s.first <= ms) v = s.second;
    return v;
  }
};

class TransitionTest : public FormTest {
 protected:
  // Records `read()` at every dispatch of the waits that follow, moving the clock on 33 ms each.
  void Record(std::function<float()> read) {
    trace_ = {};
    const uint32_t start = host.Now();
    host.onDispatch = [this, start, read] {
      host.Advance(33);
      trace_.samples.emplace_back(host.Now() - start, read());
    };
  }
  const Trace& Recorded() const { return trace_; }
  void ExpectAtHome(const Node& screen) {
    EXPECT_TRUE(screen.Visible());
    EXPECT_EQ(screen.Position().x, 10);
    EXPECT_EQ(screen.Position().y, 10);
    EXPECT_EQ(screen.Width(), 328);
    EXPECT_EQ(screen.Height(), 393);
  }

 private:
  Trace trace_;
};

TEST_F(TransitionTest, SlidesLeaveAndScreensComeBackToTheirPlace) {
  Record([this] { return form.rglMain->Position().x; });
  form.ShowHomeToSettings();
  EXPECT_NEAR(Recorded().Max(), 10 + 34, 2) << "backs away to the right first";
  EXPECT_FALSE(form.rglMain->Visible());
  EXPECT_EQ(form.rglMain->Position().x, -330);
  ExpectAtHome(*form.rglSet);

  Record([this] { return form.rglSet->Position().y; });
  form.ShowSettingsToHome();
  EXPECT_NEAR(Recorded().Min(), 10 - 40, 2) << "rises first";
  EXPECT_EQ(form.rglSet->Position().y, 413);
  ExpectAtHome(*form.rglMain);

  form.ShowHomeToSettings();
  ExpectAtHome(*form.rglSet);
  Shot("settings_again");
}

TEST_F(TransitionTest, FadesRunLinearlyAndOnlyTheReturnHomeWaitsForItsFadeIn) {
  Record([this] { return form.rglMain->Opacity(); });
  form.ShowHomeToRunning();
  EXPECT_NEAR(Recorded().At(250), 0.5f, 0.07f);
  EXPECT_NEAR(Recorded().At(500), 0.0f, 0.07f);
  EXPECT_FALSE(form.rglMain->Visible());
  EXPECT_TRUE(form.rglMainLed->Visible());
  EXPECT_EQ(form.rglMainLed->Opacity(), 0) << "its fade-in is not waited for";
  host.onDispatch = nullptr;
  host.Advance(250);
  EXPECT_NEAR(form.rglMainLed->Opacity(), 0.5f, 0.07f);
  host.Advance(300);
  EXPECT_EQ(form.rglMainLed->Opacity(), 1);

  form.ShowRunningToHome();
  EXPECT_EQ(form.rglMain->Opacity(), 1) << "waited for";
  EXPECT_FALSE(form.rglMainLed->Visible());
}

TEST_F(TransitionTest, RunningToHomeFromHomeSkipsTheFadeOutButBlocksForTheFadeIn) {
  const uint32_t start = host.Now();
  form.ShowRunningToHome();
  EXPECT_NEAR(static_cast<int>(host.Now() - start), 500, 40);
  EXPECT_EQ(form.rglMain->Opacity(), 1);
  EXPECT_TRUE(form.rglMain->Visible());
}

TEST_F(TransitionTest, PanelsSwapWithShortFadesAndKeepTheirStateAcrossScreens) {
  form.ShowHomeToRunning();
  host.Advance(600);
  form.ShowQrPanel();
  EXPECT_FALSE(form.lyShow->Visible());
  EXPECT_TRUE(form.lyQcode->Visible());
  host.Advance(100);
  EXPECT_NEAR(form.lyQcode->Opacity(), 0.5f, 0.1f);
  host.Advance(150);
  EXPECT_EQ(form.lyQcode->Opacity(), 1);

  // Again while the QR panel shows: no wait, it drops to nothing and fades back.
  const uint32_t start = host.Now();
  form.ShowQrPanel();
  EXPECT_EQ(host.Now(), start);
  EXPECT_EQ(form.lyQcode->Opacity(), 0);
  host.Advance(250);
  EXPECT_EQ(form.lyQcode->Opacity(), 1);

  // Leaving and coming back keeps the QR panel.
  form.ShowRunningToHome();
  EXPECT_FALSE(form.RunningScreenVisible());
  form.ShowHomeToRunning();
  EXPECT_TRUE(form.RunningScreenVisible());
  EXPECT_TRUE(form.lyQcode->Visible());
  EXPECT_FALSE(form.lyShow->Visible());

  form.HideQrPanel();
  EXPECT_TRUE(form.lyShow->Visible());
  EXPECT_FALSE(form.lyQcode->Visible());
  EXPECT_EQ(form.lyShow->Opacity(), 0);
  host.Advance(250);
  EXPECT_EQ(form.lyShow->Opacity(), 1);
}

TEST_F(TransitionTest, SpinnerTurnsByTimeAndRestsAtZeroWhenStopped) {
  // Turning since creation, although its screen is hidden: unseen, it waits without ticks.
  EXPECT_TRUE(form.SpinnerRunning());
  host.Advance(6000);  // the home arc has come to rest too
  EXPECT_EQ(form.Image4->RotationAngle(), 0);
  EXPECT_FALSE(host.ClockRunning());
  // Seen, it turns by time.
  form.rglMain->SetVisible(false);
  form.rglMainLed->SetVisible(true);
  form.rglMainLed->SetOpacity(1);
  EXPECT_TRUE(host.ClockRunning());
  host.Advance(1750);
  EXPECT_NEAR(form.Image4->RotationAngle(), 180, 5);
  form.StopSpinner();
  EXPECT_EQ(form.Image4->RotationAngle(), 0);

  // A restart runs from where the ring stands to a full turn, again and again.
  form.Image4->SetRotationAngle(90);
  form.StartSpinner();
  host.Advance(1750);
  EXPECT_NEAR(form.Image4->RotationAngle(), 225, 5);
  host.Advance(1850);  // 0.1 s into the second loop
  EXPECT_NEAR(form.Image4->RotationAngle(), 90 + 270 * 0.1 / 3.5, 5);

  // A handler keeping the thread busy: the ring jumps by the elapsed time at the next tick.
  form.StopSpinner();
  form.StartSpinner();
  host.Stall(875);
  host.Advance(33);
  EXPECT_NEAR(form.Image4->RotationAngle(), 90 + 33 * 360.0 / 3500, 5);

  // The transitions leave the spinner alone.
  form.rglMainLed->SetVisible(false);
  form.rglMain->SetVisible(true);
  form.ShowHomeToRunning();
  form.ShowQrPanel();
  form.HideQrPanel();
  EXPECT_TRUE(form.SpinnerRunning());
}

TEST_F(TransitionTest, ArcTurnsOnceBackwardsAndComesToRest) {
  EXPECT_EQ(form.Image2->RotationAngle(), 0) << "360 is stored as 0";
  host.Advance(2500);
  // 360 × u⁵ with u at one half.
  EXPECT_NEAR(form.Image2->RotationAngle(), 11.25f, 1);
  host.Advance(2600);
  EXPECT_EQ(form.Image2->RotationAngle(), 0);
  EXPECT_FALSE(form.FloatAnimation2->Running());
  EXPECT_TRUE(form.Image2->Visible());
}

}  // namespace

namespace {

TEST_F(FormTest, HiddenSpinnerRedrawsNothingOnceTheArcRests) {
  host.Advance(5100);
  const int renders = host.GetScene().RenderCount();
  host.Advance(500);
  EXPECT_TRUE(form.SpinnerRunning()) << "turns unseen from creation on";
  EXPECT_EQ(host.GetScene().RenderCount(), renders);
  EXPECT_FALSE(host.ClockRunning()) << "and nothing ticks for it";
  // On the running screen a tick damages only the ring's circle.
  form.ShowHomeToRunning();
  form.StartSpinner();
  host.Advance(600);
  toolkit::Scene& scene = host.GetScene();
  host.Stall(33);
  scene.Tick();
  const toolkit::RectI damage = scene.Damage();
  EXPECT_FALSE(damage.IsEmpty());
  EXPECT_LE(damage.Width(), 200);
  EXPECT_LE(damage.Height(), 200);
}

}  // namespace
