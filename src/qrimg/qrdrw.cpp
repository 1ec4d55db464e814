#include "qrimg/qrdrw.h"

#include <limits>
#include <string_view>
#include <vector>

#include "qrimg/qr_image_file.h"

extern "C" int32_t QRDRW_CALL qrdrw(const char* payload, const uint8_t** image, int32_t* byteCount,
                                    int32_t, int32_t, int32_t, int32_t) {
  thread_local std::vector<uint8_t> lastImage;
  if (image == nullptr || byteCount == nullptr) return 0;
  *image = nullptr;
  *byteCount = 0;
  if (payload == nullptr) return 0;

  try {
    lastImage = QrImageFile(std::string_view(payload));
  } catch (...) {
    // Out of memory: no image, and nothing thrown across the C boundary.
    lastImage.clear();
  }
  if (lastImage.empty() || lastImage.size() > std::numeric_limits<int32_t>::max()) return 0;
  *image = lastImage.data();
  *byteCount = static_cast<int32_t>(lastImage.size());
  return 1;
}
