#include <gtest/gtest.h>

#include "test_support.h"
#include "toolkit/headless_host.h"
#include "toolkit/shapes.h"
#include "toolkit/widgets/check_box.h"
#include "toolkit/widgets/text_box.h"

namespace {

using namespace toolkit;

class EffectsTest : public ::testing::Test {
 protected:
  HeadlessHost host{{348, 413}, TestFonts()};
  Node& root = host.GetScene().Root();
};

TEST_F(EffectsTest, GlowReachesBeyondTheShapeAndFadesOut) {
  auto* screen = root.Add<RectangleNode>("screen");
  screen->SetAlign(Align::Client, {10, 10, 10, 10});
  screen->SetFill(Brush::Solid(0xFFF35947));
  screen->SetCornerRadius(5);
  GlowEffect glow{0xFF000000, 0.5f, 0.6f, {}};
  EXPECT_EQ(glow.BlurRadius(), 11);
  EXPECT_EQ(glow.Extent(), 18);
  screen->SetGlow(glow);
  host.Render();
  const Bitmap& f = host.Frame();
  EXPECT_GT(AlphaAt(f, 9, 200), AlphaAt(f, 3, 200));  // darker next to the screen
  EXPECT_GT(AlphaAt(f, 3, 200), 0);                   // still there at the window's edge
  EXPECT_LE(AlphaAt(f, 9, 200), 128);                 // never above the glow's opacity
  EXPECT_EQ(RedOf(f.At(9, 200)), 0);                  // black
  EXPECT_EQ(StraightColor(f.At(100, 200)), 0xFFF35947u);
}

TEST_F(EffectsTest, StateGlowShowsOnlyWhileFocusedAndShadowFallsAlongItsDirection) {
  auto* box = root.Add<TextBox>("box");
  box->SetBounds(100, 100, 161, 22);
  host.Render();
  EXPECT_EQ(AlphaAt(host.Frame(), 97, 110), 0);
  host.GetScene().SetFocus(box);
  host.Render();
  EXPECT_GT(AlphaAt(host.Frame(), 97, 110), 0);
  host.GetScene().SetFocus(nullptr);
  host.Render();
  EXPECT_EQ(AlphaAt(host.Frame(), 97, 110), 0);

  auto* card = root.Add<RectangleNode>("card");
  card->SetBounds(100, 200, 100, 50);
  card->SetShadow(ShadowEffect{0xFF000000, 1, 6, 45, 0.3f});
  host.Render();
  // Down and right of the card there is shadow; up and left much less.
  EXPECT_GT(AlphaAt(host.Frame(), 204, 254), AlphaAt(host.Frame(), 96, 196));
}

TEST_F(EffectsTest, GlowTakesTheShapeOfTheSubtreeAndFollowsItsChanges) {
  auto* group = root.Add<Node>("group");  // draws nothing itself
  group->SetBounds(50, 50, 200, 100);
  group->SetGlow(GlowEffect{0xFF000000, 1, 0.2f, {}});
  auto* part = group->Add<RectangleNode>("part");
  part->SetBounds(10, 10, 20, 20);
  part->SetFill(Brush::Solid(0xFFFFFFFF));
  host.Render();
  EXPECT_GT(AlphaAt(host.Frame(), 50 + 7, 50 + 20), 0);  // beside the part
  EXPECT_EQ(AlphaAt(host.Frame(), 50 + 150, 50 + 20), 0);
  part->SetX(150);
  host.Render();
  EXPECT_EQ(AlphaAt(host.Frame(), 50 + 7, 50 + 20), 0);
  EXPECT_GT(AlphaAt(host.Frame(), 50 + 147, 50 + 20), 0);
}

TEST_F(EffectsTest, TurningARoundImageDamagesOnlyItsCircle) {
  auto ring = std::make_shared<Bitmap>(100, 100);
  {
    Canvas c(*ring);
    c.StrokeEllipse(RectF{2, 2, 98, 98}, 3, 0xFFFFFFFF);
  }
  auto* image = root.Add<ImageNode>("ring");
  image->SetBounds(50, 50, 100, 100);
  image->SetBitmap(ring);
  host.Render();
  image->SetRotationAngle(45);
  const RectI damage = host.GetScene().Damage();
  // A square turned by 45 degrees would need 141 px; the ring's circle needs about 100.
  EXPECT_LE(damage.Width(), 106);
  EXPECT_GE(damage.Width(), 100);
}

TEST_F(EffectsTest, CheckMarkColourRunsToItsEndAndBackAlmostAtOnce) {
  CheckBoxStyle style;
  auto* check = root.Add<CheckBox>("check", style);
  check->SetBounds(10, 10, 160, 27);
  host.Render();
  check->SetChecked(true);
  host.Advance(50);
  const int halfWay = AlphaAt(host.Frame(), 20, 24);
  host.Advance(100);
  const int done = AlphaAt(host.Frame(), 20, 24);
  EXPECT_GT(done, halfWay);
  check->SetChecked(false);
  host.Advance(33);
  EXPECT_LT(AlphaAt(host.Frame(), 20, 24), done);
  EXPECT_FALSE(host.ClockRunning());
}

}  // namespace
