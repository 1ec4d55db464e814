#include "toolkit/color.h"

#include <algorithm>
#include <cmath>

namespace toolkit {

uint32_t PremultipliedPixel(Color c, float opacity) {
  const float alpha = static_cast<float>(AlphaOf(c)) * std::clamp(opacity, 0.0f, 1.0f) / 255.0f;
  const auto channel = [alpha](uint8_t v) {
    return static_cast<uint32_t>(std::lround(static_cast<float>(v) * alpha));
  };
  const uint32_t a = static_cast<uint32_t>(std::lround(alpha * 255.0f));
  return a << 24 | channel(RedOf(c)) << 16 | channel(GreenOf(c)) << 8 | channel(BlueOf(c));
}

Color StraightColor(uint32_t pixel) {
  const uint32_t a = pixel >> 24;
  if (a == 0) return 0;
  const auto channel = [a](uint32_t v) { return std::min<uint32_t>(255, (v * 255 + a / 2) / a); };
  return a << 24 | channel(pixel >> 16 & 0xFF) << 16 | channel(pixel >> 8 & 0xFF) << 8 |
         channel(pixel & 0xFF);
}

Color LerpColor(Color a, Color b, float t) {
  t = std::clamp(t, 0.0f, 1.0f);
  Color out = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    const float va = static_cast<float>(a >> shift & 0xFF),
                vb = static_cast<float>(b >> shift & 0xFF);
    out |= static_cast<Color>(std::lround(va + (vb - va) * t)) << shift;
  }
  return out;
}

}  // namespace toolkit
