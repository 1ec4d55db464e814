#include "toolkit/canvas.h"

#include <gtest/gtest.h>

#include "test_support.h"
#include "toolkit/shapes.h"

namespace {

using namespace toolkit;

TEST(Canvas, SolidFillIsExactInsideAndAntiAliasedOnAFractionalEdge) {
  Bitmap b(40, 20);
  Canvas c(b);
  c.FillRect(RectF{5, 5, 20.5f, 15}, Brush::Solid(0xFF336699));
  EXPECT_EQ(b.At(10, 10), PremultipliedPixel(0xFF336699));
  EXPECT_EQ(b.At(21, 10), 0u);
  EXPECT_NEAR(AlphaAt(b, 20, 10), 128, 2);  // half-covered column
  EXPECT_EQ(b.At(4, 10), 0u);
}

TEST(Canvas, RoundedCornersAreCutAndEdgesBlendSmoothly) {
  Bitmap b(100, 100);
  Canvas c(b);
  c.FillRoundedRect(RectF{10, 10, 90, 90}, 20, Brush::Solid(0xFFFFFFFF));
  EXPECT_EQ(AlphaAt(b, 11, 11), 0);    // corner cut away
  EXPECT_EQ(AlphaAt(b, 50, 10), 255);  // straight top edge fully covered
  EXPECT_EQ(AlphaAt(b, 30, 30), 255);
  // Along the 45-degree arc the coverage passes through intermediate values.
  int partial = 0;
  for (int i = 10; i < 20; ++i) partial += AlphaAt(b, i, i) > 0 && AlphaAt(b, i, i) < 255;
  EXPECT_GE(partial, 1);
}

TEST(Canvas, OnePixelOutlineAndHoleByReverseWinding) {
  Bitmap b(30, 30);
  Canvas c(b);
  c.StrokeRoundedRect(RectF{5, 5, 25, 25}, 0, 1, 0xFFFFFFFF);
  EXPECT_EQ(AlphaAt(b, 5, 15), 255);
  EXPECT_EQ(AlphaAt(b, 24, 15), 255);
  EXPECT_EQ(AlphaAt(b, 6, 15), 0);
  EXPECT_EQ(AlphaAt(b, 15, 15), 0);
  EXPECT_EQ(AlphaAt(b, 4, 15), 0);
}

TEST(Canvas, OpacityAndTranslucentColoursArePremultiplied) {
  Bitmap b(10, 10);
  Canvas c(b);
  c.SetOpacity(0.5f);
  c.FillRect(RectF{0, 0, 10, 10}, Brush::Solid(0x80FF0000));
  const uint32_t p = b.At(5, 5);
  EXPECT_NEAR(static_cast<int>(p >> 24), 64, 1);
  EXPECT_NEAR(static_cast<int>(p >> 16 & 0xFF), 64, 1);  // red premultiplied by its alpha
  EXPECT_EQ(p & 0xFFFF, 0u);
}

TEST(Canvas, LinearAndRadialGradientsReachTheirStops) {
  Bitmap b(101, 101);
  Canvas c(b);
  c.FillRect(RectF{0, 0, 101, 50},
             Brush::Linear({0, 0}, {100, 0}, {{0, 0xFF000000}, {1, 0xFFFFFFFF}}));
  EXPECT_LT(b.At(0, 10) & 0xFF, 3u);
  EXPECT_GT(b.At(100, 10) & 0xFF, 252u);
  EXPECT_NEAR(static_cast<int>(b.At(50, 10) & 0xFF), 128, 3);
  c.FillRect(RectF{0, 50, 101, 101},
             Brush::Radial({50, 75}, 25, {{0, 0xFFFF0000}, {1, 0xFF0000FF}}));
  EXPECT_GT(RedOf(StraightColor(b.At(50, 75))), 245);  // at the centre
  EXPECT_LT(BlueOf(StraightColor(b.At(50, 75))), 10);
  EXPECT_EQ(StraightColor(b.At(50, 100)) & 0xFFFFFF, 0x0000FFu);  // at and beyond the radius
}

TEST(Canvas, ImagesRotateAboutTheCentreAndLayersComposeAsOnePicture) {
  Bitmap arrow(20, 20);
  arrow.Fill({0, 0, 20, 4}, PremultipliedPixel(0xFFFF0000));  // a bar along the top
  Bitmap b(40, 40);
  Canvas c(b);
  c.SetTransform(Affine::RotationAbout(90, {20, 20}));
  c.DrawImage(arrow, RectF{10, 10, 30, 30});
  // Turned clockwise, the top bar now lies along the right edge.
  EXPECT_GT(AlphaAt(b, 28, 20), 200);
  EXPECT_EQ(AlphaAt(b, 20, 11), 0);

  Bitmap layered(10, 10);
  Canvas l(layered);
  l.PushLayer(0.5f);
  l.FillRect(RectF{0, 0, 10, 10}, Brush::Solid(0xFFFFFFFF));
  l.FillRect(RectF{0, 0, 10, 10}, Brush::Solid(0xFFFFFFFF));
  l.PopLayer();
  EXPECT_NEAR(AlphaAt(layered, 5, 5), 128, 1);  // not 0.75 as two separate half-opaque fills
}

TEST(ImageFit, CentredAtOwnSizeScaledDownNeverUp) {
  const RectF small = ImageNode::FitRect({72, 77}, RectF{0, 0, 151, 150});
  EXPECT_EQ(small.Width(), 72);
  EXPECT_EQ(small.Height(), 77);
  EXPECT_EQ(small.left, 40);  // (151 - 72) / 2 rounded
  const RectF big = ImageNode::FitRect({300, 150}, RectF{0, 0, 150, 150});
  EXPECT_EQ(big.Width(), 150);
  EXPECT_EQ(big.Height(), 75);
  EXPECT_EQ(big.top, 38);
}

TEST(Blur, SpreadsAMaskBeyondItsEdgeAndFadesOutward) {
  Mask m;
  m.bounds = {0, 0, 60, 60};
  m.coverage.assign(3600, 255);
  BlurMask(m, 11);
  EXPECT_EQ(m.bounds.left, -11);
  EXPECT_EQ(m.At(30, 30), 255);
  EXPECT_GT(m.At(-3, 10), m.At(-8, 10));
  EXPECT_GT(m.At(-8, 10), 0);
  EXPECT_LT(m.At(0, 10), 200);
}

TEST(Bitmap, OverDrawsIntoBorrowedPixelsAndItsCopiesOwnTheirs) {
  std::vector<uint32_t> window(6 * 4, 0);
  Bitmap view = Bitmap::Over(window.data(), 6, 4);
  Canvas(view).FillRect(RectF{0, 0, 6, 4}, Brush::Solid(0xFF336699));
  EXPECT_EQ(window[23], PremultipliedPixel(0xFF336699));

  Bitmap copy = view;
  copy.Set(0, 0, 0);
  EXPECT_EQ(window[0], PremultipliedPixel(0xFF336699));
  Bitmap moved = std::move(view);
  moved.Set(1, 0, 0);
  EXPECT_EQ(window[1], 0u);
  EXPECT_TRUE(view.IsEmpty());
}

}  // namespace
