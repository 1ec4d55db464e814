#pragma once

#include <cstdint>
#include <vector>

#include "toolkit/geometry.h"
#include "toolkit/path.h"

namespace toolkit {

// Coverage 0..255 of a shape over a pixel area (device coordinates).
struct Mask {
  RectI bounds;
  std::vector<uint8_t> coverage;  // bounds.Width() per row

  uint8_t At(int x, int y) const {
    if (x < bounds.left || y < bounds.top || x >= bounds.right || y >= bounds.bottom) return 0;
    return coverage[static_cast<size_t>(y - bounds.top) * bounds.Width() + (x - bounds.left)];
  }
};

// Anti-aliased coverage of polygons (closed implicitly) under the non-zero rule, limited to `clip`.
// Exact area coverage per pixel, so edges blend smoothly at any angle.
Mask RasterizeContours(const std::vector<Path::Contour>& contours, const RectI& clip);

// Blurs a mask in place (three box passes, close to a Gaussian), growing it by `radius` on every
// side so the blur has room.
void BlurMask(Mask& mask, int radius);

}  // namespace toolkit
