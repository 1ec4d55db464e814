#include "qrimg/qr_png.h"

#include <algorithm>

// Static, so that another library of the program may build its own copy without a clash.
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

namespace {

constexpr uint8_t kDarkPixel = 0;
constexpr uint8_t kLightPixel = 255;

void AppendToVector(void* context, void* data, int size) {
  auto* file = static_cast<std::vector<uint8_t>*>(context);
  const auto* bytes = static_cast<const uint8_t*>(data);
  file->insert(file->end(), bytes, bytes + size);
}

}  // namespace

int QrModulePixels(int symbolSize, int maxSide) {
  return std::max(1, maxSide / (symbolSize + 2 * kQrQuietZoneModules));
}

std::vector<uint8_t> QrPngFile(const QrCode& code, int modulePixels) {
  const int side = (code.size + 2 * kQrQuietZoneModules) * modulePixels;
  std::vector<uint8_t> pixels(static_cast<std::size_t>(side) * static_cast<std::size_t>(side),
                              kLightPixel);
  const int offset = kQrQuietZoneModules * modulePixels;
  for (int y = 0; y < code.size; ++y) {
    for (int x = 0; x < code.size; ++x) {
      if (!code.IsDark(x, y)) continue;
      for (int row = 0; row < modulePixels; ++row) {
        const std::size_t start = static_cast<std::size_t>(offset + y * modulePixels + row) *
                                      static_cast<std::size_t>(side) +
                                  static_cast<std::size_t>(offset + x * modulePixels);
        std::fill_n(pixels.begin() + static_cast<std::ptrdiff_t>(start), modulePixels, kDarkPixel);
      }
    }
  }
  std::vector<uint8_t> file;
  if (stbi_write_png_to_func(AppendToVector, &file, side, side, 1, pixels.data(), side) == 0) {
    return {};
  }
  return file;
}
