#include <algorithm>
#include <cstdint>
#include <vector>

#include "toolkit/mask.h"

namespace toolkit {
namespace {

// One box pass of half-width `half` along a line of `count` values spaced `step` apart.
void BoxPass(uint8_t* line, int count, int step, int half, std::vector<uint8_t>& scratch) {
  scratch.resize(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) scratch[static_cast<size_t>(i)] = line[i * step];
  const int window = 2 * half + 1;
  int sum = 0;
  for (int i = 0; i <= std::min(half, count - 1); ++i) sum += scratch[static_cast<size_t>(i)];
  for (int i = 0; i < count; ++i) {
    line[i * step] = static_cast<uint8_t>((sum + window / 2) / window);
    const int add = i + half + 1, drop = i - half;
    if (add < count) sum += scratch[static_cast<size_t>(add)];
    if (drop >= 0) sum -= scratch[static_cast<size_t>(drop)];
  }
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
  // Three passes of a third of the radius each spread about as far as the radius.
  const int half = std::max(1, (radius + 1) / 3);
  std::vector<uint8_t> scratch;
  for (int pass = 0; pass < 3; ++pass) {
    for (int y = 0; y < height; ++y) BoxPass(&grown[static_cast<size_t>(y) * width], width, 1, half, scratch);
    for (int x = 0; x < width; ++x) BoxPass(&grown[static_cast<size_t>(x)], height, width, half, scratch);
  }
  mask.coverage = std::move(grown);
  mask.bounds = {mask.bounds.left - radius, mask.bounds.top - radius, mask.bounds.right + radius,
                 mask.bounds.bottom + radius};
}

}  // namespace toolkit
