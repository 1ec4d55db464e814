#include "ui/art_canvas.h"

namespace ui {

using namespace toolkit;

std::shared_ptr<const Bitmap> PaintArt(int width, int height,
                                       const std::function<void(Canvas&)>& paint) {
  auto bitmap = std::make_shared<Bitmap>(width, height);
  Canvas canvas(*bitmap);
  paint(canvas);
  return bitmap;
}

Path ArcBand(PointF center, float outerRadius, float innerRadius, float startDegrees,
             float sweepDegrees) {
  Path path;
  path.ArcTo(center, outerRadius, startDegrees, sweepDegrees);
  path.ArcTo(center, innerRadius, startDegrees + sweepDegrees, -sweepDegrees);
  path.Close();
  return path;
}

Path Disc(PointF center, float radius) {
  Path path;
  path.AddEllipse({center.x - radius, center.y - radius, center.x + radius, center.y + radius});
  return path;
}

void PaintWifiSymbol(Canvas& canvas, PointF base, float scale, Color color) {
  const Brush brush = Brush::Solid(color);
  canvas.FillPath(Disc(base, 8 * scale), brush);
  for (int i = 1; i <= 3; ++i) {
    const float outer = (8 + 17.0f * static_cast<float>(i)) * scale;
    canvas.FillPath(ArcBand(base, outer, outer - 9 * scale, -135, 90), brush);
  }
}

}  // namespace ui
