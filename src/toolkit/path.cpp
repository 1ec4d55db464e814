#include "toolkit/path.h"

#include <algorithm>
#include <cmath>

namespace toolkit {
namespace {

constexpr float kPi = 3.14159265358979f;

int SegmentsFor(float length) {
  return std::clamp(static_cast<int>(std::ceil(length / 2.0f)), 2, 96);
}

float Distance(PointF a, PointF b) { return std::hypot(b.x - a.x, b.y - a.y); }

}  // namespace

void Path::MoveTo(PointF p) {
  contours_.push_back({p});
  open_ = true;
}

void Path::LineTo(PointF p) {
  if (!open_) MoveTo(contours_.empty() || contours_.back().empty() ? p : contours_.back().front());
  contours_.back().push_back(p);
}

void Path::QuadTo(PointF c, PointF end) {
  if (!open_) MoveTo(c);
  const PointF start = contours_.back().back();
  const int n = SegmentsFor(Distance(start, c) + Distance(c, end));
  for (int i = 1; i <= n; ++i) {
    const float t = static_cast<float>(i) / n, u = 1 - t;
    contours_.back().push_back({u * u * start.x + 2 * u * t * c.x + t * t * end.x,
                                u * u * start.y + 2 * u * t * c.y + t * t * end.y});
  }
}

void Path::CubicTo(PointF c1, PointF c2, PointF end) {
  if (!open_) MoveTo(c1);
  const PointF s = contours_.back().back();
  const int n = SegmentsFor(Distance(s, c1) + Distance(c1, c2) + Distance(c2, end));
  for (int i = 1; i <= n; ++i) {
    const float t = static_cast<float>(i) / n, u = 1 - t;
    const float a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
    contours_.back().push_back(
        {a * s.x + b * c1.x + c * c2.x + d * end.x, a * s.y + b * c1.y + c * c2.y + d * end.y});
  }
}

void Path::ArcTo(PointF center, float radius, float startDegrees, float sweepDegrees) {
  const int n = SegmentsFor(std::abs(sweepDegrees) * kPi / 180.0f * radius);
  for (int i = 0; i <= n; ++i) {
    const float angle = (startDegrees + sweepDegrees * static_cast<float>(i) / n) * kPi / 180.0f;
    const PointF p{center.x + radius * std::cos(angle), center.y + radius * std::sin(angle)};
    if (i == 0 && !open_) {
      MoveTo(p);
    } else {
      contours_.back().push_back(p);
    }
  }
}

void Path::Close() { open_ = false; }

void Path::AddRect(const RectF& r) {
  AddPolygon({{r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}});
}

void Path::AddRoundedRect(const RectF& r, float rx, float ry, unsigned corners) {
  rx = std::clamp(rx, 0.0f, r.Width() / 2);
  ry = std::clamp(ry, 0.0f, r.Height() / 2);
  if (rx <= 0 || ry <= 0 || corners == 0) {
    AddRect(r);
    return;
  }
  Close();
  // Quarter ellipses by cubic curves (kappa), clockwise from the top-left.
  constexpr float k = 0.5522847f;
  const auto corner = [&](unsigned which, PointF at, PointF from, PointF to, PointF c1, PointF c2) {
    if (corners & which) {
      LineTo(from);
      CubicTo(c1, c2, to);
    } else {
      LineTo(at);
    }
  };
  MoveTo({r.left + ((corners & kCornerTopLeft) ? rx : 0), r.top});
  corner(kCornerTopRight, {r.right, r.top}, {r.right - rx, r.top}, {r.right, r.top + ry},
         {r.right - rx + k * rx, r.top}, {r.right, r.top + ry - k * ry});
  corner(kCornerBottomRight, {r.right, r.bottom}, {r.right, r.bottom - ry},
         {r.right - rx, r.bottom}, {r.right, r.bottom - ry + k * ry},
         {r.right - rx + k * rx, r.bottom});
  corner(kCornerBottomLeft, {r.left, r.bottom}, {r.left + rx, r.bottom}, {r.left, r.bottom - ry},
         {r.left + rx - k * rx, r.bottom}, {r.left, r.bottom - ry + k * ry});
  corner(kCornerTopLeft, {r.left, r.top}, {r.left, r.top + ry}, {r.left + rx, r.top},
         {r.left, r.top + ry - k * ry}, {r.left + rx - k * rx, r.top});
  Close();
}

void Path::AddEllipse(const RectF& r) { AddRoundedRect(r, r.Width() / 2, r.Height() / 2); }

void Path::AddPolygon(const std::vector<PointF>& points) {
  if (points.size() < 2) return;
  contours_.push_back(points);
  open_ = false;
}

std::vector<Path::Contour> Path::Flatten(const Affine& transform) const {
  std::vector<Contour> out;
  out.reserve(contours_.size());
  for (const Contour& c : contours_) {
    Contour mapped;
    mapped.reserve(c.size());
    for (PointF p : c) mapped.push_back(transform.Apply(p));
    out.push_back(std::move(mapped));
  }
  return out;
}

Path Path::Reversed() const {
  Path out = *this;
  for (Contour& c : out.contours_) std::reverse(c.begin(), c.end());
  out.open_ = false;
  return out;
}

}  // namespace toolkit
