// Building blocks of a symbol checked against values published with the QR standard.
#include <gtest/gtest.h>

#include <array>
#include <span>
#include <vector>

#include "qrimg/qr_capacity.h"
#include "qrimg/qr_codewords.h"
#include "qrimg/qr_matrix.h"
#include "qrimg/reed_solomon.h"

namespace {

TEST(QrCapacityTest, ByteCapacitiesMatchTheStandardTable) {
  struct Row {
    int version;
    std::array<std::size_t, 4> bytes;  // L, M, Q, H
  };
  const Row rows[] = {{1, {17, 14, 11, 7}},          {2, {32, 26, 20, 14}},
                      {7, {154, 122, 86, 64}},       {10, {271, 213, 151, 119}},
                      {12, {367, 287, 203, 155}},    {27, {1465, 1125, 805, 625}},
                      {40, {2953, 2331, 1663, 1273}}};
  for (const Row& row : rows) {
    for (QrLevel level : kQrLevels) {
      EXPECT_EQ(QrByteCapacity(row.version, level), row.bytes[static_cast<int>(level)])
          << "version " << row.version << " level " << static_cast<int>(level);
    }
  }
}

TEST(QrCapacityTest, ChoosesTheSmallestVersionThenTheStrongestLevelItAllows) {
  // 14 bytes: version 1 at M; Q and H hold only 11 and 7.
  EXPECT_EQ(ChooseQrSymbol(14, QrLevel::Medium)->version, 1);
  EXPECT_EQ(ChooseQrSymbol(14, QrLevel::Medium)->level, QrLevel::Medium);
  EXPECT_EQ(ChooseQrSymbol(15, QrLevel::Medium)->version, 2);
  // 7 bytes fit version 1 even at H.
  EXPECT_EQ(ChooseQrSymbol(7, QrLevel::Medium)->level, QrLevel::High);
  // The longest join text: 14 + 128 + 3 + 128 + 1 bytes.
  EXPECT_EQ(ChooseQrSymbol(274, QrLevel::Medium)->version, 12);
}

TEST(QrCapacityTest, FallsBackToALowerLevelOnlyPastVersion40) {
  const auto choice = ChooseQrSymbol(2332, QrLevel::Medium);
  ASSERT_TRUE(choice);
  EXPECT_EQ(choice->level, QrLevel::Low);
  EXPECT_EQ(choice->version, 36);
  EXPECT_FALSE(ChooseQrSymbol(2954, QrLevel::Medium));
  EXPECT_TRUE(ChooseQrSymbol(0, QrLevel::Medium));
}

TEST(QrCodewordsTest, ErrorCorrectionOfTheStandardsVersion1MExample) {
  // "01234567" in numeric mode, from the standard's worked example.
  const std::vector<uint8_t> data = {0x10, 0x20, 0x0C, 0x56, 0x61, 0x80, 0xEC, 0x11,
                                     0xEC, 0x11, 0xEC, 0x11, 0xEC, 0x11, 0xEC, 0x11};
  const std::vector<uint8_t> expected = {0xA5, 0x24, 0xD4, 0xC1, 0xED,
                                         0x36, 0xC7, 0x87, 0x2C, 0x55};
  EXPECT_EQ(ReedSolomonGenerator(10).Remainder(data), expected);
}

TEST(QrCodewordsTest, GaloisMultiplicationReducesByTheQrPolynomial) {
  EXPECT_EQ(GaloisMultiply(2, 0x80), 0x1D);
  EXPECT_EQ(GaloisMultiply(0x80, 0x80), 0x13);  // 2^14
  EXPECT_EQ(GaloisMultiply(0x1D, 2), 0x3A);     // 2^9
  EXPECT_EQ(GaloisMultiply(0, 0xFF), 0);
  EXPECT_EQ(GaloisMultiply(1, 0xB7), 0xB7);
}

TEST(QrCodewordsTest, ByteSegmentIsModeCountBytesTerminatorAndPads) {
  const std::vector<uint8_t> payload = {'A', 'B'};
  const std::vector<uint8_t> expected = {0x40, 0x24, 0x14, 0x20, 0xEC, 0x11, 0xEC, 0x11,
                                         0xEC, 0x11, 0xEC, 0x11, 0xEC, 0x11, 0xEC, 0x11};
  EXPECT_EQ(QrDataCodewordsFor(payload, {1, QrLevel::Medium}), expected);
}

TEST(QrCodewordsTest, SixteenBitCountFromVersion10) {
  const std::vector<uint8_t> payload(3, 0xFF);
  const std::vector<uint8_t> codewords = QrDataCodewordsFor(payload, {10, QrLevel::High});
  ASSERT_EQ(codewords.size(), static_cast<std::size_t>(QrDataCodewords(10, QrLevel::High)));
  // 0100, then the count 0000000000000011, then the bytes.
  EXPECT_EQ(codewords[0], 0x40);
  EXPECT_EQ(codewords[1], 0x00);
  EXPECT_EQ(codewords[2], 0x3F);
  EXPECT_EQ(codewords[3], 0xFF);
}

TEST(QrCodewordsTest, InterleavingTakesDataThenErrorCorrectionAcrossBlocks) {
  // Version 5 Q: two blocks of 15 data codewords, then two of 16, each with 18 of correction.
  std::vector<uint8_t> data(62);
  for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<uint8_t>(i);
  const std::vector<uint8_t> result = QrInterleavedCodewords(data, {5, QrLevel::Quartile});
  ASSERT_EQ(result.size(), 134u);
  const std::vector<uint8_t> start = {0, 15, 30, 46, 1, 16, 31, 47};
  EXPECT_EQ(std::vector<uint8_t>(result.begin(), result.begin() + 8), start);
  // The long blocks' last data codewords come alone, just before the correction codewords.
  EXPECT_EQ(result[60], 45);
  EXPECT_EQ(result[61], 61);
  const auto firstBlock = std::span<const uint8_t>(data).subspan(0, 15);
  EXPECT_EQ(result[62], ReedSolomonGenerator(18).Remainder(firstBlock)[0]);
}

TEST(QrMatrixTest, FormatAndVersionBitsMatchTheStandardTables) {
  EXPECT_EQ(QrFormatBits(QrLevel::Low, 0), 0b111011111000100);
  EXPECT_EQ(QrFormatBits(QrLevel::Medium, 0), 0b101010000010010);
  EXPECT_EQ(QrFormatBits(QrLevel::Quartile, 0), 0b011010101011111);
  EXPECT_EQ(QrFormatBits(QrLevel::High, 0), 0b001011010001001);
  EXPECT_EQ(QrFormatBits(QrLevel::Medium, 5), 0b100000011001110);
  EXPECT_EQ(QrVersionBits(7), 0x07C94);
  EXPECT_EQ(QrVersionBits(40), 0x28C69);
}

TEST(QrMatrixTest, FinderTimingAndDarkModuleAreInPlace) {
  const QrMatrix matrix({2, QrLevel::Medium});
  ASSERT_EQ(matrix.Size(), 25);
  for (int corner : {0, 18}) {
    EXPECT_TRUE(matrix.IsDark(corner, 0));
    EXPECT_TRUE(matrix.IsDark(corner + 6, 6 - 6));
    EXPECT_FALSE(matrix.IsDark(corner + 1, 1));
    EXPECT_TRUE(matrix.IsDark(corner + 3, 3));
  }
  for (int i = 8; i < 17; ++i) EXPECT_EQ(matrix.IsDark(i, 6), i % 2 == 0) << i;
  EXPECT_TRUE(matrix.IsDark(8, 25 - 8));
  // Alignment pattern of version 2 at (18, 18): dark centre in a light ring.
  EXPECT_TRUE(matrix.IsDark(18, 18));
  EXPECT_FALSE(matrix.IsDark(17, 18));
  EXPECT_TRUE(matrix.IsDark(16, 18));
}

TEST(QrMatrixTest, MaskPatternsSelectTheStandardModules) {
  EXPECT_TRUE(QrMaskSelects(0, 1, 1));
  EXPECT_FALSE(QrMaskSelects(0, 1, 0));
  EXPECT_TRUE(QrMaskSelects(2, 3, 1));
  EXPECT_FALSE(QrMaskSelects(2, 1, 3));  // columns, not rows
  EXPECT_TRUE(QrMaskSelects(4, 3, 2));   // (x/3 + y/2) = 1 + 1
  EXPECT_FALSE(QrMaskSelects(4, 3, 0));
  EXPECT_TRUE(QrMaskSelects(5, 6, 1));
  EXPECT_FALSE(QrMaskSelects(5, 1, 1));
  EXPECT_TRUE(QrMaskSelects(7, 0, 0));
  EXPECT_FALSE(QrMaskSelects(7, 1, 1));  // ((2 % 2) + 1) % 2
}

}  // namespace
