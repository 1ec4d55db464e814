#pragma once

#include <vector>

#include "toolkit/geometry.h"

namespace toolkit {

// Which corners of a rectangle are rounded.
enum Corners : unsigned {
  kCornerTopLeft = 1,
  kCornerTopRight = 2,
  kCornerBottomRight = 4,
  kCornerBottomLeft = 8,
  kAllCorners = 15,
};

// A closed or open outline made of lines and curves, in a node's local coordinates.
// Filling uses the non-zero rule, so a contour drawn the other way round cuts a hole.
class Path {
 public:
  using Contour = std::vector<PointF>;

  void MoveTo(PointF p);
  void LineTo(PointF p);
  void QuadTo(PointF control, PointF end);
  void CubicTo(PointF control1, PointF control2, PointF end);
  // Appends an arc of a circle; angles in degrees, 0 at 3 o'clock, growing clockwise on screen.
  // It starts a new contour when the path has none open.
  void ArcTo(PointF center, float radius, float startDegrees, float sweepDegrees);
  void Close();

  void AddRect(const RectF& r);
  void AddRoundedRect(const RectF& r, float radiusX, float radiusY, unsigned corners = kAllCorners);
  void AddEllipse(const RectF& r);
  void AddPolygon(const std::vector<PointF>& points);

  bool IsEmpty() const { return contours_.empty(); }
  // The outline as polygons after `transform`, curves split finely enough for anti-aliasing.
  std::vector<Contour> Flatten(const Affine& transform) const;
  // The same path with every contour reversed (to cut holes).
  Path Reversed() const;

 private:
  // Curves are flattened at build time in local coordinates; fine enough for the scales used here.
  std::vector<Contour> contours_;
  bool open_ = false;
};

}  // namespace toolkit
