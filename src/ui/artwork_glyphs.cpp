#include <cmath>
#include <numbers>

#include "ui/art_canvas.h"
#include "ui/artwork.h"

namespace ui::artwork {

using namespace toolkit;

namespace {
constexpr Color kWhite = 0xFFFFFFFF;
}

Picture UpgradeGlyph() {
  return PaintArt(20, 21, [](Canvas& canvas) {
    Path arrow;
    arrow.AddPolygon({{10, 1}, {19, 10}, {13, 10}, {13, 20}, {7, 20}, {7, 10}, {1, 10}});
    canvas.FillPath(arrow, Brush::Solid(kWhite));
  });
}

Picture FeedbackGlyph() {
  return PaintArt(29, 31, [](Canvas& canvas) {
    canvas.StrokeRoundedRect({2, 4, 27, 30}, 2, 2, kWhite);
    for (float x : {8.0f, 14.5f, 21.0f})
      canvas.FillRect({x - 1, 1, x + 1, 8}, Brush::Solid(kWhite));
    for (float y : {13.0f, 18.0f, 23.0f}) canvas.FillRect({7, y, 22, y + 2}, Brush::Solid(kWhite));
  });
}

Picture SettingsGlyph() {
  return PaintArt(32, 32, [](Canvas& canvas) {
    constexpr int kTeeth = 8;
    constexpr float kPi = std::numbers::pi_v<float>;
    const PointF c{16, 16};
    std::vector<PointF> outline;
    for (int i = 0; i < kTeeth * 4; ++i) {
      // Each tooth: two points on the tip circle, two on the root circle.
      const float radius = (i % 4 == 1 || i % 4 == 2) ? 15.0f : 11.5f;
      const float angle = (static_cast<float>(i) + 0.5f) * 2 * kPi / (kTeeth * 4);
      outline.push_back({c.x + radius * std::cos(angle), c.y + radius * std::sin(angle)});
    }
    Path gear;
    gear.AddPolygon(outline);
    gear.ArcTo(c, 5, 360, -360);  // the opposite turn cuts the hole
    gear.Close();
    canvas.FillPath(gear, Brush::Solid(kWhite));
  });
}

Picture CloseGlyph() {
  return PaintArt(16, 16, [](Canvas& canvas) {
    canvas.StrokePolyline({{3.5f, 3.5f}, {12.5f, 12.5f}}, 2, kWhite);
    canvas.StrokePolyline({{12.5f, 3.5f}, {3.5f, 12.5f}}, 2, kWhite);
  });
}

Picture NothingGlyph() { return std::make_shared<Bitmap>(1, 1); }

}  // namespace ui::artwork
