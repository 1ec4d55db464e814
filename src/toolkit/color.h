#pragma once

#include <cstdint>

namespace toolkit {

// A colour as written in styles: 0xAARRGGBB, straight (not premultiplied) alpha.
using Color = uint32_t;

inline constexpr Color kTransparent = 0x00000000;

inline constexpr uint8_t AlphaOf(Color c) { return static_cast<uint8_t>(c >> 24); }
inline constexpr uint8_t RedOf(Color c) { return static_cast<uint8_t>(c >> 16); }
inline constexpr uint8_t GreenOf(Color c) { return static_cast<uint8_t>(c >> 8); }
inline constexpr uint8_t BlueOf(Color c) { return static_cast<uint8_t>(c); }

// The premultiplied BGRA pixel (as a little-endian 32-bit word) of `c` drawn at `opacity`.
uint32_t PremultipliedPixel(Color c, float opacity = 1.0f);

// The straight colour of a premultiplied pixel (for tests and PNG output).
Color StraightColor(uint32_t premultipliedPixel);

// Channel-wise blend of two straight colours, t from 0 (a) to 1 (b).
Color LerpColor(Color a, Color b, float t);

// `src` (premultiplied) scaled by coverage 0..255 and drawn over `dst` (premultiplied).
inline uint32_t BlendOver(uint32_t dst, uint32_t src, uint32_t coverage) {
  if (coverage == 0 || src == 0) return dst;
  if (coverage != 255) {
    const uint32_t rb = ((src & 0x00FF00FFu) * coverage + 0x00800080u) >> 8 & 0x00FF00FFu;
    const uint32_t ag = ((src >> 8 & 0x00FF00FFu) * coverage + 0x00800080u) & 0xFF00FF00u;
    src = rb | ag;
  }
  const uint32_t inv = 255 - (src >> 24);
  if (inv == 0) return src;
  const uint32_t rb = ((dst & 0x00FF00FFu) * inv + 0x00800080u) >> 8 & 0x00FF00FFu;
  const uint32_t ag = ((dst >> 8 & 0x00FF00FFu) * inv + 0x00800080u) & 0xFF00FF00u;
  return src + (rb | ag);
}

}  // namespace toolkit
