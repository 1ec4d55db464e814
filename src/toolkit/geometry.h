#pragma once

#include <algorithm>
#include <cmath>

namespace toolkit {

struct PointF {
  float x = 0;
  float y = 0;
};

struct SizeF {
  float width = 0;
  float height = 0;
};

// Space kept inside a parent or around a part: left, top, right, bottom.
struct Margins {
  float left = 0;
  float top = 0;
  float right = 0;
  float bottom = 0;
};

struct RectF {
  float left = 0;
  float top = 0;
  float right = 0;
  float bottom = 0;

  static RectF FromSize(float x, float y, float width, float height) {
    return {x, y, x + width, y + height};
  }
  float Width() const { return right - left; }
  float Height() const { return bottom - top; }
  bool IsEmpty() const { return !(right > left && bottom > top); }
  bool Contains(PointF p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  PointF Center() const { return {(left + right) / 2, (top + bottom) / 2}; }
  RectF Inset(const Margins& m) const {
    return {left + m.left, top + m.top, right - m.right, bottom - m.bottom};
  }
  RectF Inflated(float d) const { return {left - d, top - d, right + d, bottom + d}; }
  RectF Offset(float dx, float dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
};

// Whole-pixel rectangle, right and bottom exclusive.
struct RectI {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  bool operator==(const RectI&) const = default;

  RectI Intersect(const RectI& o) const {
    RectI r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
            std::min(bottom, o.bottom)};
    return r.IsEmpty() ? RectI{} : r;
  }
  RectI Union(const RectI& o) const {
    if (IsEmpty()) return o;
    if (o.IsEmpty()) return *this;
    return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right),
            std::max(bottom, o.bottom)};
  }
  // The smallest whole-pixel rectangle covering `r`.
  static RectI Covering(const RectF& r) {
    if (r.IsEmpty()) return {};
    return {static_cast<int>(std::floor(r.left)), static_cast<int>(std::floor(r.top)),
            static_cast<int>(std::ceil(r.right)), static_cast<int>(std::ceil(r.bottom))};
  }
};

// 2-D affine transform: x' = a*x + c*y + e, y' = b*x + d*y + f.
struct Affine {
  float a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;

  static Affine Translation(float dx, float dy) { return {1, 0, 0, 1, dx, dy}; }
  // Rotation by `degrees` (clockwise on screen, y pointing down) about `center`.
  static Affine RotationAbout(float degrees, PointF center) {
    const float r = degrees * 3.14159265358979f / 180.0f;
    const float cs = std::cos(r), sn = std::sin(r);
    return {cs,
            sn,
            -sn,
            cs,
            center.x - cs * center.x + sn * center.y,
            center.y - sn * center.x - cs * center.y};
  }
  PointF Apply(PointF p) const { return {a * p.x + c * p.y + e, b * p.x + d * p.y + f}; }
  // This transform applied after `inner`.
  Affine operator*(const Affine& inner) const {
    return {a * inner.a + c * inner.b,     b * inner.a + d * inner.b,
            a * inner.c + c * inner.d,     b * inner.c + d * inner.d,
            a * inner.e + c * inner.f + e, b * inner.e + d * inner.f + f};
  }
  Affine Inverse() const {
    const float det = a * d - b * c;
    if (det == 0) return {};
    const float ia = d / det, ib = -b / det, ic = -c / det, id = a / det;
    return {ia, ib, ic, id, -(ia * e + ic * f), -(ib * e + id * f)};
  }
  bool IsTranslation() const { return a == 1 && b == 0 && c == 0 && d == 1; }
  // Bounds of `r` after the transform.
  RectF MapBounds(const RectF& r) const {
    const PointF p[4] = {Apply({r.left, r.top}), Apply({r.right, r.top}), Apply({r.left, r.bottom}),
                         Apply({r.right, r.bottom})};
    RectF out{p[0].x, p[0].y, p[0].x, p[0].y};
    for (const auto& q : p) {
      out.left = std::min(out.left, q.x);
      out.top = std::min(out.top, q.y);
      out.right = std::max(out.right, q.x);
      out.bottom = std::max(out.bottom, q.y);
    }
    return out;
  }
};

}  // namespace toolkit
