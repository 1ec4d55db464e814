#include "qr_decoding.h"

#include <ZXing/ReadBarcode.h>

#include "qrimg/qr_png.h"

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>

std::optional<GrayImage> DecodeImageFile(const std::vector<uint8_t>& file) {
  int width = 0;
  int height = 0;
  int channels = 0;
  stbi_uc* pixels = stbi_load_from_memory(file.data(), static_cast<int>(file.size()), &width,
                                          &height, &channels, 1);
  if (pixels == nullptr) return std::nullopt;
  GrayImage image{width, height,
                  std::vector<uint8_t>(pixels, pixels + static_cast<std::size_t>(width) * height)};
  stbi_image_free(pixels);
  return image;
}

GrayImage RenderCode(const QrCode& code) {
  constexpr int kModulePixels = 3;
  return DecodeImageFile(QrPngFile(code, kModulePixels)).value();
}

std::optional<std::string> ReadWithZxing(const GrayImage& image) {
  ZXing::DecodeHints hints;
  hints.setFormats(ZXing::BarcodeFormat::QRCode);
  const ZXing::Result result = ZXing::ReadBarcode(
      ZXing::ImageView(image.pixels.data(), image.width, image.height, ZXing::ImageFormat::Lum),
      hints);
  if (!result.isValid()) return std::nullopt;
  const ZXing::ByteArray& bytes = result.bytes();
  return std::string(bytes.begin(), bytes.end());
}
