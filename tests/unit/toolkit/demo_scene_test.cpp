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

}  // namespace
