#pragma once

#include <cstddef>
#include <optional>

#include "qrimg/qr_level.h"

inline constexpr int kQrMinVersion = 1;
inline constexpr int kQrMaxVersion = 40;

// Side length in modules of a symbol of `version`.
constexpr int QrSize(int version) { return 17 + 4 * version; }

// Modules left for codewords once the function patterns are drawn (remainder bits included).
int QrRawDataModules(int version);
int QrEccCodewordsPerBlock(int version, QrLevel level);
int QrErrorCorrectionBlocks(int version, QrLevel level);
// Codewords that carry data (not error correction) in a symbol of this version and level.
int QrDataCodewords(int version, QrLevel level);
// Bits of the character count field of a byte-mode segment.
int QrByteCountBits(int version);
// The most payload bytes a byte-mode symbol of this version and level holds.
std::size_t QrByteCapacity(int version, QrLevel level);

struct QrSymbolChoice {
  int version;
  QrLevel level;
};

// The smallest version holding `byteCount` bytes at `minimumLevel` (a weaker level only when no
// version holds them there), with the level then raised as far as that version still allows.
// Empty when even version 40 at the lowest level is too small.
std::optional<QrSymbolChoice> ChooseQrSymbol(std::size_t byteCount, QrLevel minimumLevel);
