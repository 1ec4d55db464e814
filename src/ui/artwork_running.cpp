#include <cmath>
#include <numbers>

#include "ui/art_canvas.h"
#include "ui/artwork.h"

namespace ui::artwork {

using namespace toolkit;

Picture SpinnerRing() {
  return PaintArt(193, 193, [](Canvas& canvas) {
    constexpr PointF c{96.5f, 96.5f};
    constexpr float radius = 88;
    canvas.StrokeEllipse({c.x - radius, c.y - radius, c.x + radius, c.y + radius}, 2, 0xFF7FE7F5);
    // 50° clockwise from 12 o'clock.
    const float angle = -40 * std::numbers::pi_v<float> / 180;
    const PointF dot{c.x + radius * std::cos(angle), c.y + radius * std::sin(angle)};
    canvas.FillPath(Disc(dot, 8), Brush::Radial(dot, 8, {{0, 0x90FFFFFF}, {1, 0x00FFFFFF}}));
    canvas.FillPath(Disc(dot, 4), Brush::Radial(dot, 4, {{0, 0xFFFFFFFF}, {1, 0xFFE0FBFF}}));
  });
}

Picture StopGlyph() {
  return PaintArt(147, 146, [](Canvas& canvas) {
    canvas.StrokeEllipse({4, 3.5f, 143, 142.5f}, 3, 0xFFFFFFFF);
    PaintWifiSymbol(canvas, {73.5f, 100}, 1, 0xFFFFFFFF);
  });
}

Picture Badge() {
  return PaintArt(90, 21, [](Canvas& canvas) {
    Path pill;
    pill.AddRoundedRect({0, 0, 90, 21}, 10.5f, 10.5f);
    canvas.FillPath(pill, Brush::Solid(0x598C33B7));
  });
}

}  // namespace ui::artwork
