#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "qrimg/qr_level.h"

// A finished QR symbol.
struct QrCode {
  int version = 0;
  QrLevel level = QrLevel::Low;
  int mask = 0;
  int size = 0;
  std::vector<uint8_t> dark;  // size * size modules, row by row, 1 = dark

  bool IsDark(int x, int y) const { return dark[static_cast<std::size_t>(y * size + x)] != 0; }
};

// Medium suits a code shown on a screen: sharp, but read at an angle and through glare.
inline constexpr QrLevel kDefaultQrLevel = QrLevel::Medium;

// Encodes `payload` as one byte-mode segment in the smallest symbol that holds it (see
// ChooseQrSymbol), with the mask of least penalty. Empty when the payload is too long for
// any QR symbol (more than 2953 bytes).
std::optional<QrCode> EncodeQrCode(std::span<const uint8_t> payload,
                                   QrLevel minimumLevel = kDefaultQrLevel);
