#include <gtest/gtest.h>

#include "toolkit/bitmap.h"
#include "ui/app_icon.h"
#include "ui/artwork.h"
#include "unit/toolkit/test_support.h"

namespace {

using namespace toolkit;

uint32_t Read(const std::vector<uint8_t>& bytes, size_t at, int count) {
  uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = value << 8 | bytes.at(at + i);
  return value;
}

TEST(AppIconTest, FileCarriesEveryDecodablePictureAtItsSize) {
  const std::vector<uint8_t> file = ui::AppIconFile();
  ASSERT_GT(file.size(), 6u + 5 * 16);
  EXPECT_EQ(Read(file, 0, 2), 0u);
  EXPECT_EQ(Read(file, 2, 2), 1u);
  ASSERT_EQ(Read(file, 4, 2), 5u);
  size_t expectedOffset = 6 + 5 * 16;
  for (size_t i = 0; i < 5; ++i) {
    const size_t entry = 6 + 16 * i;
    const int size = ui::kIconSizes[i];
    EXPECT_EQ(file[entry], size == 256 ? 0 : size);
    EXPECT_EQ(Read(file, entry + 6, 2), 32u);
    const uint32_t length = Read(file, entry + 8, 4);
    const uint32_t offset = Read(file, entry + 12, 4);
    EXPECT_EQ(offset, expectedOffset);
    ASSERT_LE(offset + length, file.size());
    expectedOffset += length;
    const auto picture = DecodeImage({file.data() + offset, length});
    ASSERT_TRUE(picture.has_value()) << size;
    EXPECT_EQ(picture->Width(), size);
    EXPECT_EQ(picture->Height(), size);
    // Round: clear corners, an opaque body and the white symbol near the bottom centre.
    EXPECT_EQ(AlphaAt(*picture, 0, 0), 0);
    EXPECT_EQ(AlphaAt(*picture, size / 2, size / 4), 255);
    if (size == 256) Snapshot(*picture, "app_icon_256");
  }
  EXPECT_EQ(expectedOffset, file.size());
  EXPECT_EQ(StraightColor(ui::artwork::AppIcon(48).At(24, 34)), 0xFFFFFFFF);
}

TEST(AppIconTest, PicturesAnIconCannotHoldGiveNoFile) {
  EXPECT_TRUE(ui::EncodeIco({Bitmap(257, 257)}).empty());
  EXPECT_TRUE(ui::EncodeIco({Bitmap(16, 24)}).empty());
  EXPECT_TRUE(ui::EncodeIco({Bitmap()}).empty());
  EXPECT_FALSE(ui::EncodeIco({Bitmap(1, 1)}).empty());
}

}  // namespace
