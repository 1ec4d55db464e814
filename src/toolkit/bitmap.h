#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "toolkit/color.h"
#include "toolkit/geometry.h"

namespace toolkit {

// A 32-bit image with premultiplied alpha, pixels as little-endian BGRA words, rows top-down.
class Bitmap {
 public:
  Bitmap() = default;
  Bitmap(int width, int height, uint32_t fill = 0)
      : width_(width > 0 ? width : 0),
        height_(height > 0 ? height : 0),
        pixels_(static_cast<size_t>(width_) * height_, fill),
        data_(pixels_.data()) {}
  // Pixels kept in memory owned elsewhere (a window's DIB section), which must outlive the
  // bitmap and hold width * height words. A copy owns its pixels.
  static Bitmap Over(uint32_t* pixels, int width, int height);
  Bitmap(const Bitmap& other);
  Bitmap& operator=(const Bitmap& other);
  Bitmap(Bitmap&& other) noexcept;
  Bitmap& operator=(Bitmap&& other) noexcept;
  ~Bitmap() = default;

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool IsEmpty() const { return width_ == 0 || height_ == 0; }
  RectI Bounds() const { return {0, 0, width_, height_}; }
  uint32_t* Row(int y) { return data_ + static_cast<size_t>(y) * width_; }
  const uint32_t* Row(int y) const { return data_ + static_cast<size_t>(y) * width_; }
  uint32_t At(int x, int y) const { return Row(y)[x]; }
  void Set(int x, int y, uint32_t pixel) { Row(y)[x] = pixel; }
  uint32_t* Data() { return data_; }
  const uint32_t* Data() const { return data_; }
  void Fill(const RectI& area, uint32_t pixel);

 private:
  size_t PixelCount() const { return static_cast<size_t>(width_) * height_; }

  int width_ = 0;
  int height_ = 0;
  std::vector<uint32_t> pixels_;  // empty when the pixels are borrowed
  uint32_t* data_ = nullptr;
};

// Decodes a PNG, JPEG, BMP or GIF file image held in memory; nothing on bad data.
std::optional<Bitmap> DecodeImage(std::span<const uint8_t> encoded);
// A Bitmap from straight RGBA bytes (as image decoders and artwork generators give them).
Bitmap BitmapFromRgba(const uint8_t* rgba, int width, int height);
// The PNG file of a bitmap, with straight alpha.
std::vector<uint8_t> EncodePng(const Bitmap& bitmap);
bool WritePng(const Bitmap& bitmap, const std::string& path);

}  // namespace toolkit
