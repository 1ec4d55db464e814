#pragma once

#include <vector>

#include "toolkit/color.h"
#include "toolkit/geometry.h"

namespace toolkit {

struct GradientStop {
  float offset = 0;  // 0..1 along the gradient
  Color color = 0;
};

// How a shape is filled. Gradient points are in the shape's local coordinates.
struct Brush {
  enum class Kind { None, Solid, Linear, Radial };
  Kind kind = Kind::None;
  Color color = 0;
  std::vector<GradientStop> stops;
  PointF start;      // linear: where offset 0 lies; radial: the centre
  PointF end;        // linear: where offset 1 lies
  float radius = 0;  // radial: where offset 1 lies

  static Brush None() { return {}; }
  static Brush Solid(Color c) { return {Kind::Solid, c, {}, {}, {}, 0}; }
  static Brush Linear(PointF from, PointF to, std::vector<GradientStop> stops) {
    return {Kind::Linear, 0, std::move(stops), from, to, 0};
  }
  static Brush Radial(PointF center, float radius, std::vector<GradientStop> stops) {
    return {Kind::Radial, 0, std::move(stops), center, {}, radius};
  }
  bool IsVisible() const {
    return kind != Kind::None && (kind != Kind::Solid || AlphaOf(color) != 0);
  }
};

}  // namespace toolkit
