#include <algorithm>
#include <cstdint>
#include <vector>

#include "toolkit/mask.h"

namespace toolkit {
namespace {

// One box pass of half-width `half` from `src` to `dst` along a line; outside counts as 0.
void BoxPass(const uint8_t* src, uint8_t* dst, int length, int half) {
  const int window = 2 * half + 1;
  const uint32_t scale = (1u << 24) / static_cast<uint32_t>(window);  // division by multiplication
  uint32_t sum = 0;
  for (int i = 0; i <= std::min(half, length - 1); ++i) sum += src[i];
  for (int i = 0; i < length; ++i) {
    dst[i] = static_cast<uint8_t>((sum * scale + (1u << 23)) >> 24);
    const int add = i + half + 1, drop = i - half;
    if (add < length) sum += src[add];
    if (drop >= 0) sum -= src[drop];
  }
}

// Three passes over each of `count` contiguous lines of `length` values.
void BlurLines(std::vector<uint8_t>& data, int count, int length, int half) {
  std::vector<uint8_t> a(static_cast<size_t>(length)), b(static_cast<size_t>(length));
  for (int line = 0; line < count; ++line) {
    uint8_t* values = &data[static_cast<size_t>(line) * length];
    BoxPass(values, a.data(), length, half);
    BoxPass(a.data(), b.data(), length, half);
    BoxPass(b.data(), values, length, half);
  }
}

std::vector<uint8_t> Transposed(const std::vector<uint8_t>& data, int width, int height) {
  std::vector<uint8_t> out(data.size());
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      out[static_cast<size_t>(x) * height + y] = data[static_cast<size_t>(y) * width + x];
  }
  return out;
}

}  // namespace

void BlurMask(Mask& mask, int radius) {
  if (radius <= 0 || mask.bounds.IsEmpty()) return;
  const int oldWidth = mask.bounds.Width(), oldHeight = mask.bounds.Height();
  const int width = oldWidth + 2 * radius, height = oldHeight + 2 * radius;
  std::vector<uint8_t> grown(static_cast<size_t>(width) * height, 0);
  for (int y = 0; y < oldHeight; ++y) {
    std::copy_n(&mask.coverage[static_cast<size_t>(y) * oldWidth], oldWidth,
                &grown[static_cast<size_t>(y + radius) * width + radius]);
  }
  // Three passes of a third of the radius each spread about as far as the radius. Columns are
  // blurred as rows of the transposed mask, which keeps memory access sequential.
  const int half = std::max(1, (radius + 1) / 3);
  BlurLines(grown, height, width, half);
  std::vector<uint8_t> columns = Transposed(grown, width, height);
  BlurLines(columns, width, height, half);
  mask.coverage = Transposed(columns, height, width);
  mask.bounds = {mask.bounds.left - radius, mask.bounds.top - radius, mask.bounds.right + radius,
                 mask.bounds.bottom + radius};
}

}  // namespace toolkit
