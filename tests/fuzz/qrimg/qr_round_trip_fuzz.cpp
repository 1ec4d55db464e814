// Any bytes are encoded, drawn and read back by zxing-cpp; what comes back must be the input.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "qrimg/qr_capacity.h"
#include "qrimg/qr_encoder.h"
#include "qrimg/qrdrw.h"
#include "unit/qrimg/qr_decoding.h"

namespace {

constexpr std::size_t kLargestPayload = 2953;

void Require(bool condition) {
  if (!condition) std::abort();
}

// qrdrw sees the input up to its first NUL and makes an image exactly when that fits.
void CheckQrdrw(const std::string& payload) {
  const uint8_t* image = nullptr;
  int32_t byteCount = 0;
  const int32_t result = qrdrw(payload.c_str(), &image, &byteCount, 1, 4, 5, 0);
  const bool fits = std::strlen(payload.c_str()) <= kLargestPayload;
  Require((result == 1) == fits);
  Require((image != nullptr) == fits);
  Require((byteCount > 0) == fits);
  if (fits) Require(DecodeImageFile({image, image + byteCount}).has_value());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const QrLevel level = kQrLevels[data[0] & 3];
  const std::string payload(reinterpret_cast<const char*>(data + 1), size - 1);

  const std::optional<QrCode> code = EncodeQrCode({data + 1, size - 1}, level);
  Require(code.has_value() == (payload.size() <= kLargestPayload));
  if (code) {
    Require(code->size == QrSize(code->version));
    Require(code->level >= level || payload.size() > QrByteCapacity(kQrMaxVersion, level));
    Require(ReadWithZxing(RenderCode(*code)) == payload);
  }
  CheckQrdrw(payload);
  return 0;
}
