// Codes we make are read back by two independent decoders, byte for byte.
#include <gtest/gtest.h>

#include <random>

#include "qr_decoding.h"
#include "qrimg/qr_capacity.h"
#include "qrimg/qr_encoder.h"
#include "qrimg/qr_image_file.h"
#include "qrimg/qrdrw.h"
#include "test_payloads.h"
#include "zbarimg_reader.h"

namespace {

// The image file qrdrw hands out, copied as the window copies it.
std::vector<uint8_t> QrdrwImage(const std::string& payload) {
  const uint8_t* image = nullptr;
  int32_t byteCount = 0;
  qrdrw(payload.c_str(), &image, &byteCount, 1, 4, 5, 0);
  if (image == nullptr) return {};
  return std::vector<uint8_t>(image, image + byteCount);
}

std::string RandomBytes(std::mt19937& random, std::size_t length, bool allowNul) {
  std::uniform_int_distribution<int> byte(allowNul ? 0 : 1, 255);
  std::string bytes;
  for (std::size_t i = 0; i < length; ++i) bytes += static_cast<char>(byte(random));
  return bytes;
}

TEST(QrRoundTripTest, JoinPayloadsFromQrdrwReadBackExactlyWithZxingAndZbarimg) {
  for (const std::string& payload : SampleJoinPayloads()) {
    const std::vector<uint8_t> file = QrdrwImage(payload);
    ASSERT_FALSE(file.empty()) << payload;
    const std::optional<GrayImage> image = DecodeImageFile(file);
    ASSERT_TRUE(image);
    EXPECT_LE(image->width, kQrImageMaxWidth);
    EXPECT_LE(image->height, kQrImageMaxHeight);
    EXPECT_EQ(ReadWithZxing(*image), payload) << "length " << payload.size();
    EXPECT_EQ(ReadWithZbarimg(file), payload) << "length " << payload.size();
  }
}

TEST(QrRoundTripTest, EveryLengthUpToTheLongestJoinTextReadsBack) {
  std::mt19937 random(1);
  for (std::size_t length = 1; length <= 274; ++length) {
    const std::string payload = RandomBytes(random, length, false);
    const std::vector<uint8_t> file = QrdrwImage(payload);
    const std::optional<GrayImage> image = DecodeImageFile(file);
    ASSERT_TRUE(image) << length;
    EXPECT_EQ(ReadWithZxing(*image), payload) << "length " << length;
    if (length % 7 == 0) {
      EXPECT_EQ(ReadWithZbarimg(file), payload) << "length " << length;
    }
  }
}

TEST(QrRoundTripTest, EveryVersionAndLevelFilledToCapacityReadsBack) {
  std::mt19937 random(40);
  for (int version = kQrMinVersion; version <= kQrMaxVersion; ++version) {
    for (QrLevel level : kQrLevels) {
      // A full symbol of this version: one byte more would need the next version.
      const std::string payload = RandomBytes(random, QrByteCapacity(version, level), true);
      const auto bytes = reinterpret_cast<const uint8_t*>(payload.data());
      const std::optional<QrCode> code = EncodeQrCode({bytes, payload.size()}, level);
      ASSERT_TRUE(code);
      EXPECT_EQ(code->version, version);
      EXPECT_EQ(code->level, level);
      EXPECT_EQ(ReadWithZxing(RenderCode(*code)), payload)
          << "version " << version << " level " << static_cast<int>(level);
    }
  }
}

TEST(QrRoundTripTest, PayloadWithNulBytesReadsBackThroughTheImageFile) {
  const std::string payload("a\0b\0\0c", 6);
  const std::vector<uint8_t> file = QrImageFile(payload);
  EXPECT_EQ(ReadWithZxing(DecodeImageFile(file).value()), payload);
}

}  // namespace
