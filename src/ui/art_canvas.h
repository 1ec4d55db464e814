#pragma once

#include <functional>
#include <memory>

#include "toolkit/bitmap.h"
#include "toolkit/canvas.h"
#include "toolkit/path.h"

namespace ui {

// A transparent picture of `width` × `height` painted by `paint`.
std::shared_ptr<const toolkit::Bitmap> PaintArt(int width, int height,
                                                const std::function<void(toolkit::Canvas&)>& paint);

// A band between two circles around `center`, from `startDegrees` over `sweepDegrees`
// (0 at 3 o'clock, clockwise); a full sweep makes a ring.
toolkit::Path ArcBand(toolkit::PointF center, float outerRadius, float innerRadius,
                      float startDegrees, float sweepDegrees);

toolkit::Path Disc(toolkit::PointF center, float radius);

// The Wi-Fi symbol: a dot and three arcs opening upwards above `base` (the dot's centre),
// `scale` 1 fitting a 120-px-wide area.
void PaintWifiSymbol(toolkit::Canvas& canvas, toolkit::PointF base, float scale,
                     toolkit::Color color);

}  // namespace ui
