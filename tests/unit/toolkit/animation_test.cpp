#include "toolkit/animation.h"

#include <gtest/gtest.h>

#include "test_support.h"
#include "toolkit/headless_host.h"
#include "toolkit/shapes.h"

namespace {

using namespace toolkit;

TEST(Curves, ValuesAtSamplePoints) {
  EXPECT_DOUBLE_EQ(CurveValue(Curve::Linear, 0.3), 0.3);
  EXPECT_NEAR(CurveValue(Curve::Quintic, 0.5), 0.03125, 1e-12);
  // Back ease-in dips to about -0.100 near 0.42, crosses zero near 0.63, ends at 1.
  double lowest = 1, at = 0;
  for (int i = 0; i <= 1000; ++i) {
    const double u = i / 1000.0, f = CurveValue(Curve::Back, u);
    if (f < lowest) lowest = f, at = u;
  }
  EXPECT_NEAR(lowest, -0.100, 0.001);
  EXPECT_NEAR(at, 0.42, 0.01);
  EXPECT_NEAR(CurveValue(Curve::Back, 1.70158 / 2.70158), 0.0, 1e-9);
  EXPECT_LT(CurveValue(Curve::Back, 0.62), 0.0);
  EXPECT_GT(CurveValue(Curve::Back, 0.64), 0.0);
  EXPECT_DOUBLE_EQ(CurveValue(Curve::Back, 1.0), 1.0);
  EXPECT_NEAR(Ease(Curve::Quintic, AnimationType::Out, 0.5), 1 - 0.03125, 1e-12);
}

TEST(RotationAngle, StoredReducedIntoMinus180To360) {
  EXPECT_EQ(Node::ReduceAngle(360), 0);
  EXPECT_EQ(Node::ReduceAngle(359), 359);
  EXPECT_EQ(Node::ReduceAngle(725), 5);
  EXPECT_EQ(Node::ReduceAngle(-190), 170);
  EXPECT_EQ(Node::ReduceAngle(-170), -170);
  EXPECT_EQ(Node::ReduceAngle(-360), 0);
}

class AnimationTest : public ::testing::Test {
 protected:
  HeadlessHost host{{200, 200}, TestFonts()};
  Node& root = host.GetScene().Root();
  RectangleNode* box = root.Add<RectangleNode>("box");
  void SetUp() override {
    box->SetBounds(10, 10, 50, 50);
    host.Render();
  }
};

TEST_F(AnimationTest, ClockRunsOnlyWhileSomethingAnimatesAndNothingIsRedrawnWhenIdle) {
  const int rendersBefore = host.GetScene().RenderCount();
  host.Advance(1000);
  EXPECT_FALSE(host.ClockRunning());
  EXPECT_EQ(host.GetScene().Clock().TickCount(), 0);
  EXPECT_EQ(host.GetScene().RenderCount(), rendersBefore);
  box->AnimateFloat("Opacity", 0, 0.5);
  EXPECT_TRUE(host.ClockRunning());
  host.Advance(600);
  EXPECT_FALSE(host.ClockRunning());
  EXPECT_FLOAT_EQ(box->Opacity(), 0);
  const int ticks = host.GetScene().Clock().TickCount();
  EXPECT_GE(ticks, 15);
  host.Advance(1000);
  EXPECT_EQ(host.GetScene().Clock().TickCount(), ticks);
}

TEST_F(AnimationTest, AdvancesByElapsedTimeNotByTicks) {
  box->AnimateFloat("Position.x", 110, 1.0);
  host.Advance(33);
  EXPECT_NEAR(box->Position().x, 13.3f, 0.1f);
  // A busy thread: the next tick comes late and the animation catches up, then ends.
  host.Stall(2000);
  host.Advance(33);
  EXPECT_FLOAT_EQ(box->Position().x, 110);
  EXPECT_FALSE(host.ClockRunning());
}

TEST_F(AnimationTest, BackSlideFirstBacksAwayThenArrives) {
  box->AnimateFloat("Position.x", -330, 0.5, AnimationType::In, Curve::Back);
  float farthest = 10;
  for (int i = 0; i < 20; ++i) {
    host.Advance(33);
    farthest = std::max(farthest, box->Position().x);
  }
  EXPECT_NEAR(farthest, 10 + 34, 1.5);
  EXPECT_FLOAT_EQ(box->Position().x, -330);
}

TEST_F(AnimationTest, WaitReturnsOnlyAfterTheEndAndDispatchesMeanwhile) {
  int clicks = 0;
  host.onDispatch = [&] {
    if (host.DispatchCount() == 3) ++clicks;  // another handler runs inside the wait
    host.Advance(33);
  };
  const uint32_t start = host.Now();
  box->AnimateFloatWait("Opacity", 0, 0.5);
  EXPECT_GE(host.Now() - start, 500u);
  EXPECT_FLOAT_EQ(box->Opacity(), 0);
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(host.ClockRunning());
}

TEST_F(AnimationTest, WaitEndsWhenTheApplicationEnds) {
  host.onDispatch = [&] { host.ending = true; };
  box->AnimateFloatWait("Opacity", 0, 5);
  EXPECT_FLOAT_EQ(box->Opacity(), 0);
  EXPECT_FALSE(host.ClockRunning());
}

TEST_F(AnimationTest, InvisibleObjectDoesNotAnimateAndHidingJumpsToTheEnd) {
  box->SetVisible(false);
  box->AnimateFloat("Opacity", 0, 0.5);
  EXPECT_FALSE(host.ClockRunning());
  EXPECT_FLOAT_EQ(box->Opacity(), 1);
  host.onDispatch = [] { FAIL() << "a wait on a hidden object must not wait"; };
  box->AnimateFloatWait("Opacity", 0, 0.5);
  EXPECT_FLOAT_EQ(box->Opacity(), 1);

  box->SetVisible(true);
  box->AnimateFloat("Position.y", 100, 1.0);
  host.Advance(100);
  box->SetVisible(false);
  host.Advance(33);
  EXPECT_FLOAT_EQ(box->Position().y, 100);
  EXPECT_FALSE(host.ClockRunning());
}

TEST_F(AnimationTest, EndlessTurnUnderAHiddenParentRunsOnWithoutTicksUntilSeen) {
  auto* panel = root.Add<Layout>("panel");
  auto* ring = panel->Add<Node>("ring");
  panel->SetVisible(false);
  auto* spin = ring->AddFloatAnimation("RotationAngle");
  spin->startFromCurrent = true;
  spin->stopValue = 360;
  spin->duration = 3.5;
  spin->loop = true;
  spin->Start();
  // Not stopped by the hidden parent, but nothing ticks or redraws for it.
  const int renders = host.GetScene().RenderCount();
  host.Advance(5000);
  EXPECT_TRUE(spin->Running());
  EXPECT_FALSE(host.ClockRunning());
  EXPECT_EQ(host.GetScene().Clock().TickCount(), 0);
  EXPECT_EQ(host.GetScene().RenderCount(), renders);
  // Seen again, it turns on from where it waited.
  panel->SetVisible(true);
  EXPECT_TRUE(host.ClockRunning());
  host.Advance(1750);
  EXPECT_NEAR(ring->RotationAngle(), 180, 3);
  panel->SetVisible(false);
  EXPECT_FALSE(host.ClockRunning());
  spin->Stop();
  EXPECT_EQ(ring->RotationAngle(), 0);  // 360 is stored as 0
}

TEST_F(AnimationTest, HiddenWindowPausesEndlessTurnsButLetsOneShotRunsEnd) {
  auto* spin = box->AddFloatAnimation("RotationAngle");
  spin->stopValue = 360;
  spin->duration = 3.5;
  spin->loop = true;
  spin->Start();
  host.GetScene().SetOnScreen(false);
  EXPECT_FALSE(host.ClockRunning());
  // A fade still has to end, or waits on it would never return.
  box->AnimateFloatWait("Opacity", 0.5f, 0.5);
  EXPECT_FLOAT_EQ(box->Opacity(), 0.5f);
  EXPECT_FALSE(host.ClockRunning());
  const float angle = box->RotationAngle();
  host.Advance(1000);
  EXPECT_EQ(box->RotationAngle(), angle);
  host.GetScene().SetOnScreen(true);
  host.Advance(350);
  EXPECT_NEAR(box->RotationAngle(), angle + 36, 4);
}

TEST_F(AnimationTest, EndlessTurnWhoseOwnNodeIsHiddenStopsAtItsEnd) {
  auto* spin = box->AddFloatAnimation("RotationAngle");
  spin->stopValue = 360;
  spin->duration = 3.5;
  spin->loop = true;
  spin->Start();
  host.Advance(500);
  box->SetVisible(false);
  host.Advance(100);
  EXPECT_FALSE(spin->Running());
  EXPECT_EQ(box->RotationAngle(), 0);
  EXPECT_FALSE(host.ClockRunning());
}

TEST_F(AnimationTest, LoopRestartsFromTheAngleReadAtStart) {
  box->SetRotationAngle(90);
  auto* spin = box->AddFloatAnimation("RotationAngle");
  spin->startFromCurrent = true;
  spin->stopValue = 360;
  spin->duration = 3.5;
  spin->loop = true;
  spin->Start();
  host.Advance(3500 + 33);
  EXPECT_NEAR(box->RotationAngle(), 90 + 270 * 33 / 3500.0, 3);
}

TEST_F(AnimationTest, BackwardRunOfAQuinticTurnStartsFastAndRestsAtZero) {
  auto* turn = box->AddFloatAnimation("RotationAngle");
  turn->startValue = 0;
  turn->stopValue = 360;
  turn->duration = 5;
  turn->curve = Curve::Quintic;
  turn->inverse = true;
  turn->Start();
  host.Advance(33 * 3);
  const float early = box->RotationAngle();
  EXPECT_NEAR(early, 360 * std::pow(1 - 0.099 / 5, 5), 0.5);  // about 7 degrees per tick at first
  host.Advance(5000);
  EXPECT_EQ(box->RotationAngle(), 0);
}

TEST_F(AnimationTest, StateTriggersRunColourForwardAndBackward) {
  box->SetFill(Brush::Solid(0xFFEA5600));
  auto* hover = box->AddColorAnimation("Fill.Color");
  hover->startValue = 0xFFF2781E;
  hover->stopValue = 0xFFEA5600;
  hover->trigger = {{NodeState::MouseOver, true}, {NodeState::Pressed, false}};
  hover->triggerInverse = {{NodeState::MouseOver, false}, {NodeState::Pressed, false}};
  box->SetState(NodeState::MouseOver, true);
  EXPECT_EQ(box->fill.color, 0xFFF2781Eu);
  host.Advance(300);
  EXPECT_EQ(box->fill.color, 0xFFEA5600u);
  box->SetState(NodeState::MouseOver, false);
  EXPECT_EQ(box->fill.color, 0xFFEA5600u);
  host.Advance(300);
  EXPECT_EQ(box->fill.color, 0xFFF2781Eu);
}

}  // namespace

namespace {

TEST(DetachedScene, WaitsEndAtOnceWhenTheWindowHasGone) {
  toolkit::HeadlessHost host({100, 100}, TestFonts());
  toolkit::Scene popup({50, 50}, TestFonts(), host);
  auto* body = popup.Root().Add<toolkit::Node>("body");
  popup.SetHost(toolkit::DetachedHost());
  body->AnimateFloatWait("Position.y", -200, 0.3);
  EXPECT_EQ(body->Position().y, -200);
  EXPECT_FALSE(popup.Clock().Running());
}

}  // namespace
