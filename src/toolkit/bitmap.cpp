#include "toolkit/bitmap.h"

#include <stb/stb_image.h>
#include <stb/stb_image_write.h>

#include <fstream>
#include <limits>
#include <utility>

namespace toolkit {

Bitmap Bitmap::Over(uint32_t* pixels, int width, int height) {
  Bitmap view;
  if (pixels == nullptr || width <= 0 || height <= 0) return view;
  view.width_ = width;
  view.height_ = height;
  view.data_ = pixels;
  return view;
}

Bitmap::Bitmap(const Bitmap& other)
    : width_(other.width_),
      height_(other.height_),
      pixels_(other.data_, other.data_ + other.PixelCount()),
      data_(pixels_.data()) {}

Bitmap& Bitmap::operator=(const Bitmap& other) {
  if (this != &other) *this = Bitmap(other);
  return *this;
}

Bitmap::Bitmap(Bitmap&& other) noexcept
    : width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)),
      pixels_(std::move(other.pixels_)),
      data_(std::exchange(other.data_, nullptr)) {
  other.pixels_.clear();
}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
  if (this != &other) {
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    pixels_ = std::move(other.pixels_);
    data_ = std::exchange(other.data_, nullptr);
    other.pixels_.clear();
  }
  return *this;
}

void Bitmap::Fill(const RectI& area, uint32_t pixel) {
  const RectI r = area.Intersect(Bounds());
  for (int y = r.top; y < r.bottom; ++y) std::fill(Row(y) + r.left, Row(y) + r.right, pixel);
}

Bitmap BitmapFromRgba(const uint8_t* rgba, int width, int height) {
  Bitmap out(width, height);
  for (int y = 0; y < out.Height(); ++y) {
    for (int x = 0; x < out.Width(); ++x) {
      const uint8_t* p = rgba + (static_cast<size_t>(y) * width + x) * 4;
      const Color straight = static_cast<Color>(p[3]) << 24 | static_cast<Color>(p[0]) << 16 |
                             static_cast<Color>(p[1]) << 8 | p[2];
      out.Set(x, y, PremultipliedPixel(straight));
    }
  }
  return out;
}

std::optional<Bitmap> DecodeImage(std::span<const uint8_t> encoded) {
  if (encoded.empty() || encoded.size() > static_cast<size_t>(std::numeric_limits<int>::max())) {
    return std::nullopt;
  }
  int width = 0, height = 0, channels = 0;
  stbi_uc* rgba = stbi_load_from_memory(encoded.data(), static_cast<int>(encoded.size()), &width,
                                        &height, &channels, 4);
  if (rgba == nullptr) return std::nullopt;
  Bitmap out = BitmapFromRgba(rgba, width, height);
  stbi_image_free(rgba);
  return out;
}

std::vector<uint8_t> EncodePng(const Bitmap& bitmap) {
  std::vector<uint8_t> rgba(static_cast<size_t>(bitmap.Width()) * bitmap.Height() * 4);
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) {
      const Color c = StraightColor(bitmap.At(x, y));
      uint8_t* p = &rgba[(static_cast<size_t>(y) * bitmap.Width() + x) * 4];
      p[0] = RedOf(c);
      p[1] = GreenOf(c);
      p[2] = BlueOf(c);
      p[3] = AlphaOf(c);
    }
  }
  std::vector<uint8_t> png;
  stbi_write_png_to_func(
      [](void* context, void* data, int size) {
        auto* out = static_cast<std::vector<uint8_t>*>(context);
        const auto* bytes = static_cast<const uint8_t*>(data);
        out->insert(out->end(), bytes, bytes + size);
      },
      &png, bitmap.Width(), bitmap.Height(), 4, rgba.data(), bitmap.Width() * 4);
  return png;
}

bool WritePng(const Bitmap& bitmap, const std::string& path) {
  const std::vector<uint8_t> png = EncodePng(bitmap);
  if (png.empty()) return false;
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  return static_cast<bool>(file);
}

}  // namespace toolkit
