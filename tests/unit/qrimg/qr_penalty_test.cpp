#include "qrimg/qr_penalty.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace {

constexpr int kSize = 21;

std::vector<uint8_t> Checkerboard() {
  std::vector<uint8_t> dark(kSize * kSize);
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x)
      dark[static_cast<std::size_t>(y * kSize + x)] = (x + y) % 2 == 0;
  }
  return dark;
}

TEST(QrPenaltyTest, AllLightGridPaysForRunsBlocksAndBalance) {
  const std::vector<uint8_t> light(kSize * kSize, 0);
  const int runs = 2 * kSize * (3 + (kSize - 5));
  const int blocks = (kSize - 1) * (kSize - 1) * 3;
  const int balance = 9 * 10;  // 0% dark: nine full 5% steps past 45%
  EXPECT_EQ(QrMaskPenalty(kSize, light), runs + blocks + balance);
}

TEST(QrPenaltyTest, CheckerboardCostsNothing) {
  EXPECT_EQ(QrMaskPenalty(kSize, Checkerboard()), 0);
}

TEST(QrPenaltyTest, FinderLikePatternBesideFourLightModulesCostsForty) {
  std::vector<uint8_t> dark = Checkerboard();
  constexpr std::string_view kRow = "00001011101";  // ends where the checkerboard goes on
  for (std::size_t x = 0; x < kRow.size(); ++x) dark[10 * kSize + x] = kRow[x] == '1';
  EXPECT_EQ(QrMaskPenalty(kSize, dark), 40);
}

}  // namespace
