#include "qrimg/qr_image_file.h"

#include <algorithm>
#include <span>

#include "qrimg/qr_encoder.h"
#include "qrimg/qr_png.h"

std::vector<uint8_t> QrImageFile(std::string_view payloadBytes) {
  const std::span<const uint8_t> payload(reinterpret_cast<const uint8_t*>(payloadBytes.data()),
                                         payloadBytes.size());
  const std::optional<QrCode> code = EncodeQrCode(payload);
  if (!code) return {};
  const int maxSide = std::min(kQrImageMaxWidth, kQrImageMaxHeight);
  return QrPngFile(*code, QrModulePixels(code->size, maxSide));
}
