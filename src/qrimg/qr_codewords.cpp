#include "qrimg/qr_codewords.h"

#include <algorithm>
#include <cassert>

#include "qrimg/reed_solomon.h"

namespace {

constexpr int kByteModeIndicator = 0b0100;
constexpr int kTerminatorBits = 4;
constexpr uint8_t kPadCodewords[2] = {0xEC, 0x11};

// Appends bits most significant first.
class BitWriter {
 public:
  void Append(uint32_t value, int bitCount) {
    for (int bit = bitCount - 1; bit >= 0; --bit) bits_.push_back(((value >> bit) & 1) != 0);
  }
  std::size_t Size() const { return bits_.size(); }
  std::vector<uint8_t> Bytes() const {
    std::vector<uint8_t> bytes(bits_.size() / 8, 0);
    for (std::size_t i = 0; i < bytes.size() * 8; ++i) {
      bytes[i / 8] = static_cast<uint8_t>(bytes[i / 8] | (bits_[i] << (7 - i % 8)));
    }
    return bytes;
  }

 private:
  std::vector<bool> bits_;
};

}  // namespace

std::vector<uint8_t> QrDataCodewordsFor(std::span<const uint8_t> payload, QrSymbolChoice symbol) {
  const std::size_t capacityBits =
      static_cast<std::size_t>(QrDataCodewords(symbol.version, symbol.level)) * 8;
  BitWriter writer;
  writer.Append(kByteModeIndicator, 4);
  writer.Append(static_cast<uint32_t>(payload.size()), QrByteCountBits(symbol.version));
  for (uint8_t byte : payload) writer.Append(byte, 8);
  assert(writer.Size() <= capacityBits);

  const std::size_t terminatorBits =
      std::min<std::size_t>(kTerminatorBits, capacityBits - writer.Size());
  writer.Append(0, static_cast<int>(terminatorBits));
  writer.Append(0, static_cast<int>((8 - writer.Size() % 8) % 8));
  for (int pad = 0; writer.Size() < capacityBits; pad ^= 1) writer.Append(kPadCodewords[pad], 8);
  return writer.Bytes();
}

std::vector<uint8_t> QrInterleavedCodewords(std::span<const uint8_t> dataCodewords,
                                            QrSymbolChoice symbol) {
  const int blockCount = QrErrorCorrectionBlocks(symbol.version, symbol.level);
  const int eccLength = QrEccCodewordsPerBlock(symbol.version, symbol.level);
  const int rawCodewords = QrRawDataModules(symbol.version) / 8;
  // The first blocks are one data codeword shorter than the rest.
  const int shortBlockCount = blockCount - rawCodewords % blockCount;
  const int shortBlockLength = rawCodewords / blockCount;
  const int shortDataLength = shortBlockLength - eccLength;

  const ReedSolomonGenerator generator(eccLength);
  std::vector<std::span<const uint8_t>> dataBlocks;
  std::vector<std::vector<uint8_t>> eccBlocks;
  std::size_t offset = 0;
  for (int i = 0; i < blockCount; ++i) {
    const std::size_t length =
        static_cast<std::size_t>(shortDataLength + (i < shortBlockCount ? 0 : 1));
    dataBlocks.push_back(dataCodewords.subspan(offset, length));
    eccBlocks.push_back(generator.Remainder(dataBlocks.back()));
    offset += length;
  }

  std::vector<uint8_t> result;
  result.reserve(static_cast<std::size_t>(rawCodewords));
  for (std::size_t i = 0; i <= static_cast<std::size_t>(shortDataLength); ++i) {
    for (const auto& block : dataBlocks) {
      if (i < block.size()) result.push_back(block[i]);
    }
  }
  for (std::size_t i = 0; i < static_cast<std::size_t>(eccLength); ++i) {
    for (const auto& block : eccBlocks) result.push_back(block[i]);
  }
  return result;
}
