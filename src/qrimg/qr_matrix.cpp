#include "qrimg/qr_matrix.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kFormatGenerator = 0x537;
constexpr int kFormatXorMask = 0x5412;
constexpr int kVersionGenerator = 0x1F25;
constexpr int kFirstVersionWithVersionBits = 7;

// Remainder of `data` shifted left by the generator's degree, divided by `generator` over GF(2).
int BchRemainder(int data, int generator, int degree) {
  int remainder = data;
  for (int i = 0; i < degree; ++i) {
    remainder = (remainder << 1) ^ ((remainder >> (degree - 1)) * generator);
  }
  return remainder & ((1 << degree) - 1);
}

bool BitAt(int value, int index) { return ((value >> index) & 1) != 0; }

// Centre coordinates of the alignment patterns along one side.
std::vector<int> AlignmentPositions(int version) {
  if (version == 1) return {};
  const int count = version / 7 + 2;
  const int step = version == 32 ? 26 : (version * 4 + count * 2 + 1) / (count * 2 - 2) * 2;
  std::vector<int> positions(static_cast<std::size_t>(count));
  positions[0] = 6;
  int position = QrSize(version) - 7;
  for (int i = count - 1; i >= 1; --i, position -= step)
    positions[static_cast<std::size_t>(i)] = position;
  return positions;
}

}  // namespace

int QrFormatBits(QrLevel level, int mask) {
  const int data = QrLevelFormatBits(level) << 3 | mask;
  return (data << 10 | BchRemainder(data, kFormatGenerator, 10)) ^ kFormatXorMask;
}

int QrVersionBits(int version) {
  return version << 12 | BchRemainder(version, kVersionGenerator, 12);
}

bool QrMaskSelects(int mask, int x, int y) {
  switch (mask) {
    case 0:
      return (x + y) % 2 == 0;
    case 1:
      return y % 2 == 0;
    case 2:
      return x % 3 == 0;
    case 3:
      return (x + y) % 3 == 0;
    case 4:
      return (x / 3 + y / 2) % 2 == 0;
    case 5:
      return x * y % 2 + x * y % 3 == 0;
    case 6:
      return (x * y % 2 + x * y % 3) % 2 == 0;
    default:
      return ((x + y) % 2 + x * y % 3) % 2 == 0;
  }
}

QrMatrix::QrMatrix(QrSymbolChoice symbol)
    : symbol_(symbol),
      size_(QrSize(symbol.version)),
      dark_(static_cast<std::size_t>(size_ * size_), 0),
      isFunction_(static_cast<std::size_t>(size_ * size_), 0) {
  DrawTimingPatterns();
  DrawFinderPattern(3, 3);
  DrawFinderPattern(size_ - 4, 3);
  DrawFinderPattern(3, size_ - 4);
  DrawAlignmentPatterns();
  DrawVersionBits();
  // Reserve the format areas now so that data placement skips them.
  DrawFormatBits(0);
}

void QrMatrix::SetFunctionModule(int x, int y, bool isDark) {
  dark_[Index(x, y)] = isDark ? 1 : 0;
  isFunction_[Index(x, y)] = 1;
}

void QrMatrix::DrawTimingPatterns() {
  for (int i = 0; i < size_; ++i) {
    SetFunctionModule(6, i, i % 2 == 0);
    SetFunctionModule(i, 6, i % 2 == 0);
  }
}

// The finder with its light separator, clipped at the symbol's edge.
void QrMatrix::DrawFinderPattern(int centreX, int centreY) {
  for (int dy = -4; dy <= 4; ++dy) {
    for (int dx = -4; dx <= 4; ++dx) {
      const int x = centreX + dx;
      const int y = centreY + dy;
      if (x < 0 || x >= size_ || y < 0 || y >= size_) continue;
      const int ring = std::max(std::abs(dx), std::abs(dy));
      SetFunctionModule(x, y, ring != 2 && ring != 4);
    }
  }
}

void QrMatrix::DrawAlignmentPatterns() {
  const std::vector<int> positions = AlignmentPositions(symbol_.version);
  const std::size_t last = positions.size() - 1;
  for (std::size_t i = 0; i < positions.size(); ++i) {
    for (std::size_t j = 0; j < positions.size(); ++j) {
      // The three corners taken by finder patterns get none.
      if ((i == 0 && j == 0) || (i == 0 && j == last) || (i == last && j == 0)) continue;
      for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
          SetFunctionModule(positions[i] + dx, positions[j] + dy,
                            std::max(std::abs(dx), std::abs(dy)) != 1);
        }
      }
    }
  }
}

void QrMatrix::DrawVersionBits() {
  if (symbol_.version < kFirstVersionWithVersionBits) return;
  const int bits = QrVersionBits(symbol_.version);
  for (int i = 0; i < 18; ++i) {
    const int a = size_ - 11 + i % 3;
    const int b = i / 3;
    SetFunctionModule(a, b, BitAt(bits, i));
    SetFunctionModule(b, a, BitAt(bits, i));
  }
}

void QrMatrix::DrawFormatBits(int mask) {
  const int bits = QrFormatBits(symbol_.level, mask);
  // Around the top left finder.
  for (int i = 0; i <= 5; ++i) SetFunctionModule(8, i, BitAt(bits, i));
  SetFunctionModule(8, 7, BitAt(bits, 6));
  SetFunctionModule(8, 8, BitAt(bits, 7));
  SetFunctionModule(7, 8, BitAt(bits, 8));
  for (int i = 9; i < 15; ++i) SetFunctionModule(14 - i, 8, BitAt(bits, i));
  // Split between the other two finders.
  for (int i = 0; i < 8; ++i) SetFunctionModule(size_ - 1 - i, 8, BitAt(bits, i));
  for (int i = 8; i < 15; ++i) SetFunctionModule(8, size_ - 15 + i, BitAt(bits, i));
  SetFunctionModule(8, size_ - 8, true);  // the module that is always dark
}

void QrMatrix::PlaceCodewords(std::span<const uint8_t> codewords) {
  const std::size_t totalBits = codewords.size() * 8;
  std::size_t bitIndex = 0;
  // Column pairs from the right; the vertical timing column is skipped.
  for (int right = size_ - 1; right >= 1; right -= 2) {
    if (right == 6) right = 5;
    const bool upward = ((right + 1) & 2) == 0;
    for (int step = 0; step < size_; ++step) {
      const int y = upward ? size_ - 1 - step : step;
      for (int x = right; x >= right - 1; --x) {
        if (isFunction_[Index(x, y)] != 0) continue;
        // Remainder bits past the last codeword stay light.
        if (bitIndex < totalBits) {
          dark_[Index(x, y)] = (codewords[bitIndex / 8] >> (7 - bitIndex % 8)) & 1;
          ++bitIndex;
        }
      }
    }
  }
}

void QrMatrix::ApplyMask(int mask) {
  for (int y = 0; y < size_; ++y) {
    for (int x = 0; x < size_; ++x) {
      if (isFunction_[Index(x, y)] == 0 && QrMaskSelects(mask, x, y)) dark_[Index(x, y)] ^= 1;
    }
  }
}
