#include "qrimg/qrdrw.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "qr_decoding.h"
#include "qrimg/qr_image_file.h"

namespace {

constexpr uint8_t kLight = 255;

struct Drawn {
  const uint8_t* image = reinterpret_cast<const uint8_t*>("stale");
  int32_t byteCount = -1;
  int32_t result = -1;
};

Drawn Draw(const char* payload) {
  Drawn drawn;
  drawn.result = qrdrw(payload, &drawn.image, &drawn.byteCount, 1, 4, 5, 0);
  return drawn;
}

TEST(QrdrwTest, MakesOnePngFileThatFitsTheImageAreaWithAQuietZone) {
  const Drawn drawn = Draw("WIFI:T:WPA2;P:12345678;S:Pelanto;");
  ASSERT_EQ(drawn.result, 1);
  ASSERT_NE(drawn.image, nullptr);
  const std::vector<uint8_t> file(drawn.image, drawn.image + drawn.byteCount);
  const std::vector<uint8_t> pngSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  EXPECT_TRUE(std::equal(pngSignature.begin(), pngSignature.end(), file.begin()));
  // The whole file, trailer included: PNG ends with the IEND chunk and its CRC.
  EXPECT_EQ(std::string(file.end() - 8, file.end() - 4), "IEND");

  const GrayImage image = DecodeImageFile(file).value();
  EXPECT_EQ(image.width, image.height);
  EXPECT_LE(image.width, kQrImageMaxHeight);
  // Version 3 (29 modules) plus 8 quiet modules at 4 pixels each.
  EXPECT_EQ(image.width, 148);
  for (int i = 0; i < image.width; ++i) {
    for (int band = 0; band < 16; ++band) {
      EXPECT_EQ(image.pixels[static_cast<std::size_t>(band * image.width + i)], kLight);
      EXPECT_EQ(image.pixels[static_cast<std::size_t>(i * image.width + band)], kLight);
    }
  }
  EXPECT_EQ(image.pixels[static_cast<std::size_t>(16 * image.width + 16)], 0);  // finder corner
}

TEST(QrdrwTest, NoImageForANullOrTooLongPayload) {
  const Drawn none = Draw(nullptr);
  EXPECT_EQ(none.result, 0);
  EXPECT_EQ(none.image, nullptr);
  EXPECT_EQ(none.byteCount, 0);

  const std::string tooLong(2954, 'x');
  const Drawn overflow = Draw(tooLong.c_str());
  EXPECT_EQ(overflow.result, 0);
  EXPECT_EQ(overflow.image, nullptr);
  EXPECT_EQ(overflow.byteCount, 0);
}

TEST(QrdrwTest, EmptyPayloadStillMakesAReadableCode) {
  const Drawn drawn = Draw("");
  ASSERT_EQ(drawn.result, 1);
  EXPECT_GT(drawn.byteCount, 0);
}

TEST(QrdrwTest, NullOutPointersAreLeftAlone) {
  const uint8_t* image = nullptr;
  int32_t byteCount = 7;
  EXPECT_EQ(qrdrw("x", nullptr, &byteCount, 1, 4, 5, 0), 0);
  EXPECT_EQ(byteCount, 7);
  EXPECT_EQ(qrdrw("x", &image, nullptr, 1, 4, 5, 0), 0);
  EXPECT_EQ(image, nullptr);
}

TEST(QrdrwTest, BufferHoldsTheLastCodeUntilTheNextCall) {
  const Drawn first = Draw("first");
  const std::vector<uint8_t> copy(first.image, first.image + first.byteCount);
  const Drawn failed = Draw(nullptr);
  EXPECT_EQ(failed.image, nullptr);
  // A call without an image does not disturb the buffer handed out before.
  EXPECT_EQ(std::vector<uint8_t>(first.image, first.image + first.byteCount), copy);
  const Drawn second = Draw("second, longer than the first");
  EXPECT_NE(std::vector<uint8_t>(second.image, second.image + second.byteCount), copy);
}

TEST(QrdrwTest, LongestJoinTextStillFitsUnscaled) {
  const std::string longest =
      "WIFI:T:WPA2;P:" + std::string(128, '\\') + ";S:" + std::string(128, ';') + ";";
  const Drawn drawn = Draw(longest.c_str());
  ASSERT_EQ(drawn.result, 1);
  const GrayImage image = DecodeImageFile({drawn.image, drawn.image + drawn.byteCount}).value();
  // Version 12 (65 modules) plus the quiet zone, two pixels a module.
  EXPECT_EQ(image.width, 146);
  EXPECT_LE(image.height, kQrImageMaxHeight);
}

}  // namespace
