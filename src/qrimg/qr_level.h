#pragma once

#include <array>

// Error correction levels, weakest first, so that "at least" compares with <.
enum class QrLevel { Low = 0, Medium = 1, Quartile = 2, High = 3 };

inline constexpr std::array<QrLevel, 4> kQrLevels = {QrLevel::Low, QrLevel::Medium,
                                                     QrLevel::Quartile, QrLevel::High};

// The two bits a level has in the format information (L=01, M=00, Q=11, H=10).
constexpr int QrLevelFormatBits(QrLevel level) {
  constexpr std::array<int, 4> bits = {1, 0, 3, 2};
  return bits[static_cast<int>(level)];
}
