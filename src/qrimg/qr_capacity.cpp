#include "qrimg/qr_capacity.h"

#include <array>

namespace {

using VersionTable = std::array<std::array<signed char, 41>, 4>;

// Indexed by level then version (index 0 unused).
constexpr VersionTable kEccCodewordsPerBlock = {{
    {-1, 7,  10, 15, 20, 26, 18, 20, 24, 30, 18, 20, 24, 26, 30, 22, 24, 28, 30, 28, 28,
     28, 28, 30, 30, 26, 28, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30},
    {-1, 10, 16, 26, 18, 24, 16, 18, 22, 22, 26, 30, 22, 22, 24, 24, 28, 28, 26, 26, 26,
     26, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28},
    {-1, 13, 22, 18, 26, 18, 24, 18, 22, 20, 24, 28, 26, 24, 20, 30, 24, 28, 28, 26, 30,
     28, 30, 30, 30, 30, 28, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30},
    {-1, 17, 28, 22, 16, 22, 28, 26, 26, 24, 28, 24, 28, 22, 24, 24, 30, 28, 28, 26, 28,
     30, 24, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30},
}};

constexpr VersionTable kErrorCorrectionBlocks = {{
    {-1, 1, 1, 1,  1,  1,  2,  2,  2,  2,  4,  4,  4,  4,  4,  6,  6,  6,  6,  7, 8,
     8,  9, 9, 10, 12, 12, 12, 13, 14, 15, 16, 17, 18, 19, 19, 20, 21, 22, 24, 25},
    {-1, 1,  1,  1,  2,  2,  4,  4,  4,  5,  5,  5,  8,  9,  9,  10, 10, 11, 13, 14, 16,
     17, 17, 18, 20, 21, 23, 25, 26, 28, 29, 31, 33, 35, 37, 38, 40, 43, 45, 47, 49},
    {-1, 1,  1,  2,  2,  4,  4,  6,  6,  8,  8,  8,  10, 12, 16, 12, 17, 16, 18, 21, 20,
     23, 23, 25, 27, 29, 34, 34, 35, 38, 40, 43, 45, 48, 51, 53, 56, 59, 62, 65, 68},
    {-1, 1,  1,  2,  4,  4,  4,  5,  6,  8,  8,  11, 11, 16, 16, 18, 16, 19, 21, 25, 25,
     25, 34, 30, 32, 35, 37, 40, 42, 45, 48, 51, 54, 57, 60, 63, 66, 70, 74, 77, 81},
}};

constexpr int kModeIndicatorBits = 4;

}  // namespace

int QrRawDataModules(int version) {
  int modules = (16 * version + 128) * version + 64;
  if (version >= 2) {
    const int alignmentPerSide = version / 7 + 2;
    modules -= (25 * alignmentPerSide - 10) * alignmentPerSide - 55;
    if (version >= 7) modules -= 36;  // the two version information blocks
  }
  return modules;
}

int QrEccCodewordsPerBlock(int version, QrLevel level) {
  return kEccCodewordsPerBlock[static_cast<int>(level)][version];
}

int QrErrorCorrectionBlocks(int version, QrLevel level) {
  return kErrorCorrectionBlocks[static_cast<int>(level)][version];
}

int QrDataCodewords(int version, QrLevel level) {
  return QrRawDataModules(version) / 8 -
         QrEccCodewordsPerBlock(version, level) * QrErrorCorrectionBlocks(version, level);
}

int QrByteCountBits(int version) { return version <= 9 ? 8 : 16; }

std::size_t QrByteCapacity(int version, QrLevel level) {
  const int headerBits = kModeIndicatorBits + QrByteCountBits(version);
  return static_cast<std::size_t>((QrDataCodewords(version, level) * 8 - headerBits) / 8);
}

std::optional<QrSymbolChoice> ChooseQrSymbol(std::size_t byteCount, QrLevel minimumLevel) {
  for (int levelIndex = static_cast<int>(minimumLevel); levelIndex >= 0; --levelIndex) {
    const QrLevel level = kQrLevels[levelIndex];
    for (int version = kQrMinVersion; version <= kQrMaxVersion; ++version) {
      if (byteCount > QrByteCapacity(version, level)) continue;
      QrSymbolChoice choice{version, level};
      // A stronger level costs nothing while the same version still holds the bytes.
      for (QrLevel stronger : kQrLevels) {
        if (stronger > choice.level && byteCount <= QrByteCapacity(version, stronger)) {
          choice.level = stronger;
        }
      }
      return choice;
    }
  }
  return std::nullopt;
}
