#include <cmath>
#include <numbers>

#include "ui/art_canvas.h"
#include "ui/artwork.h"

namespace ui::artwork {

using namespace toolkit;

namespace {

constexpr float kRingSize = 243;
constexpr PointF kRingCenter{kRingSize / 2, kRingSize / 2};
constexpr float kRingOuter = 118;
constexpr float kRingInner = 106;

constexpr PointF kButtonCenter{75.5f, 74.5f};
constexpr float kButtonRadius = 72;

// The white sheen over the top third, the same in every look of the button.
void PaintGloss(Canvas& canvas) {
  // The disc's top cap, closed by a gentle curve a third of the way down.
  constexpr float kRadius = kButtonRadius - 4;
  constexpr float kStart = 198;
  constexpr float kSweep = 144;
  const float start = kStart * std::numbers::pi_v<float> / 180;
  const PointF first{kButtonCenter.x + kRadius * std::cos(start),
                     kButtonCenter.y + kRadius * std::sin(start)};
  Path gloss;
  gloss.ArcTo(kButtonCenter, kRadius, kStart, kSweep);
  gloss.QuadTo({kButtonCenter.x, kButtonCenter.y - kRadius * 0.05f}, first);
  gloss.Close();
  const float top = kButtonCenter.y - kRadius;
  canvas.FillPath(gloss, Brush::Linear({0, top}, {0, top + kRadius * 0.7f},
                                       {{0, 0xC0FFFFFF}, {1, 0x14FFFFFF}}));
}

// The glossy disc of the start button in its hot and down looks.
Picture GlossyDisc(Color light, Color dark) {
  return PaintArt(151, 149, [&](Canvas& canvas) {
    const float top = kButtonCenter.y - kButtonRadius;
    const float bottom = kButtonCenter.y + kButtonRadius;
    canvas.FillPath(Disc(kButtonCenter, kButtonRadius),
                    Brush::Linear({0, top}, {0, bottom}, {{0, light}, {1, dark}}));
    canvas.StrokeEllipse(
        {kButtonCenter.x - kButtonRadius, top, kButtonCenter.x + kButtonRadius, bottom}, 1.5f,
        0x80FFFFFF);
    PaintGloss(canvas);
  });
}

}  // namespace

Picture BottomBar() {
  return PaintArt(327, 93, [](Canvas& canvas) {
    canvas.FillRect({0, 0, 327, 93}, Brush::Solid(0x24FFFFFF));
    canvas.FillRect({0, 0, 327, 1}, Brush::Solid(0x66FFFFFF));
    for (float x : {109.0f, 217.0f}) {
      canvas.FillRect(
          {x, 14, x + 1, 80},
          Brush::Linear({0, 14}, {0, 80}, {{0, 0x00FFFFFF}, {0.5f, 0x59FFFFFF}, {1, 0x00FFFFFF}}));
    }
  });
}

Picture HomeRing() {
  return PaintArt(243, 243, [](Canvas& canvas) {
    canvas.FillPath(ArcBand(kRingCenter, kRingOuter, kRingInner, 0, 360),
                    Brush::Linear({0, 0}, {0, kRingSize}, {{0, 0xFFFFB4A8}, {1, 0xFFF7806F}}));
  });
}

Picture HomeArc() {
  return PaintArt(243, 243, [](Canvas& canvas) {
    canvas.FillPath(
        ArcBand(kRingCenter, kRingOuter, kRingInner, -90, 230),
        Brush::Linear({kRingSize / 2, 0}, {0, kRingSize}, {{0, 0xFFFFFFFF}, {1, 0xFFFFD2CC}}));
  });
}

Picture StartButtonNormal() { return PaintArt(151, 149, PaintGloss); }

Picture StartButtonHot() { return GlossyDisc(0xFFFFAD4A, 0xFFF0700E); }

Picture StartButtonDown() { return GlossyDisc(0xFFF25A45, 0xFFC01C12); }

Picture StartChevron() {
  return PaintArt(72, 77, [](Canvas& canvas) {
    Path edge;
    edge.AddPolygon({{6, 2}, {34, 2}, {68, 38.5f}, {34, 75}, {6, 75}, {40, 38.5f}});
    canvas.FillPath(edge, Brush::Solid(0xFFF08A24));
    Path face;
    face.AddPolygon({{13, 6}, {32, 6}, {62, 38.5f}, {32, 71}, {13, 71}, {44, 38.5f}});
    canvas.FillPath(face, Brush::Solid(0xFFFFFFFF));
  });
}

}  // namespace ui::artwork
