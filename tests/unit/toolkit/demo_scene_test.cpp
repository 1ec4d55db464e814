#include "demo_scene.h"

#include <gtest/gtest.h>

#include "test_support.h"
#include "toolkit/headless_host.h"

namespace {

using namespace toolkit;

TEST(DemoScene, ScreenFillGlowAndTransparentMargin) {
  HeadlessHost host({348, 413}, TestFonts());
  toolkit_demo::BuildDemoScene(host.GetScene());
  host.Render();
  Snapshot(host.Frame(), "demo_scene");
  const Bitmap& f = host.Frame();
  EXPECT_EQ(StraightColor(f.At(20, 60)), 0xFF6A51C1u);  // inside the screen
  EXPECT_EQ(f.At(0, 0), 0u);                            // the window's corner stays transparent
  EXPECT_GT(AlphaAt(f, 5, 200), 0);                     // glow in the margin band
  EXPECT_LT(AlphaAt(f, 5, 200), 128);
  EXPECT_EQ(AlphaAt(f, 10, 10) < 255, true);  // rounded corner is not square
}

// Frames redraw only what changed; what they show must be what a whole new frame shows.
TEST(DemoScene, PartialFramesEqualAFullRender) {
  HeadlessHost host({348, 413}, TestFonts());
  const auto demo = toolkit_demo::BuildDemoScene(host.GetScene());
  host.Render();
  const auto expectSameAsFull = [&](const char* what) {
    HeadlessHost fresh({348, 413}, TestFonts());
    const auto again = toolkit_demo::BuildDemoScene(fresh.GetScene());
    again.ring->SetRotationAngle(demo.ring->RotationAngle());
    again.button->SetPosition(demo.button->Position());
    fresh.Render();
    const Bitmap& a = host.Frame();
    const Bitmap& b = fresh.Frame();
    int differing = 0;
    for (int y = 0; y < a.Height(); ++y)
      for (int x = 0; x < a.Width(); ++x) differing += a.At(x, y) != b.At(x, y) ? 1 : 0;
    EXPECT_EQ(differing, 0) << what;
  };
  for (const float angle : {3.4f, 47.0f, 180.0f, 301.5f}) {
    demo.ring->SetRotationAngle(angle);
    const RectI redrawn = host.Render();
    EXPECT_LT(redrawn.Width() * redrawn.Height(), 348 * 413 / 3);
    expectSameAsFull("ring turned");
  }
  // Past the screen's edge the button changes the shape the screen's glow takes.
  demo.button->SetPosition({-60, demo.button->Position().y});
  host.Render();
  expectSameAsFull("button moved out of the screen");
  demo.button->SetPosition({90, demo.button->Position().y});
  host.Render();
  expectSameAsFull("button moved back");
}

}  // namespace
