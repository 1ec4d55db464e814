#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "qrimg/qr_capacity.h"

// The module grid of one symbol: x is the column, y the row, true is dark.
class QrMatrix {
 public:
  // A grid of `symbol`'s size with every function pattern drawn except the format bits.
  explicit QrMatrix(QrSymbolChoice symbol);

  int Size() const { return size_; }
  bool IsDark(int x, int y) const { return dark_[Index(x, y)] != 0; }
  // Every module, row by row, 1 = dark.
  std::span<const uint8_t> Modules() const { return dark_; }

  // Fills the data area in the zigzag order with the codewords' bits, most significant first.
  void PlaceCodewords(std::span<const uint8_t> codewords);
  // Inverts the data modules that mask pattern `mask` (0-7) selects; applying it twice undoes it.
  void ApplyMask(int mask);
  // Draws both copies of the format information for the symbol's level and `mask`.
  void DrawFormatBits(int mask);

 private:
  std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y * size_ + x); }
  void SetFunctionModule(int x, int y, bool isDark);
  void DrawTimingPatterns();
  void DrawFinderPattern(int centreX, int centreY);
  void DrawAlignmentPatterns();
  void DrawVersionBits();

  QrSymbolChoice symbol_;
  int size_;
  std::vector<uint8_t> dark_;
  std::vector<uint8_t> isFunction_;
};

// The 15 format information bits (error correction level and mask, BCH-coded and masked).
int QrFormatBits(QrLevel level, int mask);
// The 18 version information bits of versions 7 and up (BCH-coded version number).
int QrVersionBits(int version);
// Whether mask pattern `mask` inverts the module at (x, y).
bool QrMaskSelects(int mask, int x, int y);
