#include <algorithm>
#include <cmath>

#include "toolkit/mask.h"

namespace toolkit {
namespace {

// Signed-area accumulation: each edge adds its coverage change to the cells it crosses, and a
// running sum along each row gives the coverage.
class Accumulator {
 public:
  Accumulator(int width, int height)
      : width_(width),
        height_(height),
        stride_(width + 2),
        cells_(static_cast<size_t>(stride_) * height, 0.0f) {}

  void Line(PointF p0, PointF p1) {
    if (std::abs(p0.y - p1.y) <= 1e-6f) return;
    float dir = 1;
    if (p0.y > p1.y) {
      std::swap(p0, p1);
      dir = -1;
    }
    const float dxdy = (p1.x - p0.x) / (p1.y - p0.y);
    const int yStart = std::max(0, static_cast<int>(std::floor(p0.y)));
    const int yEnd = std::min(height_, static_cast<int>(std::ceil(p1.y)));
    for (int y = yStart; y < yEnd; ++y) {
      const float top = std::max(static_cast<float>(y), p0.y);
      const float bottom = std::min(static_cast<float>(y + 1), p1.y);
      if (bottom <= top) continue;
      const float xa = Clamp(p0.x + (top - p0.y) * dxdy);
      const float xb = Clamp(p0.x + (bottom - p0.y) * dxdy);
      Cell(y, xa, xb, (bottom - top) * dir);
    }
  }

  void Resolve(std::vector<uint8_t>& out) const {
    out.resize(static_cast<size_t>(width_) * height_);
    for (int y = 0; y < height_; ++y) {
      const float* row = &cells_[static_cast<size_t>(y) * stride_];
      uint8_t* dst = &out[static_cast<size_t>(y) * width_];
      float sum = 0;
      for (int x = 0; x < width_; ++x) {
        sum += row[x];
        const float c = std::min(1.0f, std::abs(sum));
        dst[x] = static_cast<uint8_t>(c * 255.0f + 0.5f);
      }
    }
  }

 private:
  float Clamp(float x) const { return std::clamp(x, 0.0f, static_cast<float>(width_)); }

  // One edge piece within row y, from x0 to x1, covering `d` of the row's height (signed).
  void Cell(int y, float xa, float xb, float d) {
    float* row = &cells_[static_cast<size_t>(y) * stride_];
    const float x0 = std::min(xa, xb), x1 = std::max(xa, xb);
    const int x0i = static_cast<int>(std::floor(x0));
    const int x1i = static_cast<int>(std::ceil(x1));
    if (x1i <= x0i + 1) {
      const float xm = 0.5f * (xa + xb) - static_cast<float>(x0i);
      row[x0i] += d - d * xm;
      row[x0i + 1] += d * xm;
      return;
    }
    const float s = 1.0f / (x1 - x0);
    const float x0f = x0 - static_cast<float>(x0i);
    const float a0 = 0.5f * s * (1 - x0f) * (1 - x0f);
    const float x1f = x1 - static_cast<float>(x1i) + 1;
    const float am = 0.5f * s * x1f * x1f;
    row[x0i] += d * a0;
    if (x1i == x0i + 2) {
      row[x0i + 1] += d * (1 - a0 - am);
    } else {
      const float a1 = s * (1.5f - x0f);
      row[x0i + 1] += d * (a1 - a0);
      for (int x = x0i + 2; x < x1i - 1; ++x) row[x] += d * s;
      const float a2 = a1 + static_cast<float>(x1i - x0i - 3) * s;
      row[x1i - 1] += d * (1 - a2 - am);
    }
    row[x1i] += d * am;
  }

  int width_, height_, stride_;
  std::vector<float> cells_;
};

}  // namespace

Mask RasterizeContours(const std::vector<Path::Contour>& contours, const RectI& clip) {
  RectF bounds{1e9f, 1e9f, -1e9f, -1e9f};
  for (const auto& c : contours) {
    for (PointF p : c) {
      bounds.left = std::min(bounds.left, p.x);
      bounds.top = std::min(bounds.top, p.y);
      bounds.right = std::max(bounds.right, p.x);
      bounds.bottom = std::max(bounds.bottom, p.y);
    }
  }
  Mask mask;
  mask.bounds = RectI::Covering(bounds).Intersect(clip);
  if (mask.bounds.IsEmpty()) return mask;
  Accumulator acc(mask.bounds.Width(), mask.bounds.Height());
  const float ox = static_cast<float>(mask.bounds.left), oy = static_cast<float>(mask.bounds.top);
  for (const auto& c : contours) {
    for (size_t i = 0; i < c.size(); ++i) {
      const PointF a = c[i], b = c[(i + 1) % c.size()];
      acc.Line({a.x - ox, a.y - oy}, {b.x - ox, b.y - oy});
    }
  }
  acc.Resolve(mask.coverage);
  return mask;
}

}  // namespace toolkit
