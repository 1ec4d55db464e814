#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "qrimg/qr_encoder.h"

// An 8-bit grayscale picture.
struct GrayImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> pixels;
};

// Decodes an image file (PNG, BMP, ...) with stb_image; empty when it is no readable image.
std::optional<GrayImage> DecodeImageFile(const std::vector<uint8_t>& file);

// The code as its PNG file shows it, decoded again.
GrayImage RenderCode(const QrCode& code);

// The payload bytes zxing-cpp reads from the picture; empty when it finds no QR code.
std::optional<std::string> ReadWithZxing(const GrayImage& image);
