#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// The join code's image area; a code that fits is shown at its own size, pixel-sharp.
inline constexpr int kQrImageMaxWidth = 195;
inline constexpr int kQrImageMaxHeight = 166;

// One complete PNG file showing `payloadBytes` (any bytes, NUL included) as a QR code with its
// quiet zone, as large as still fits the image area. Empty when the payload is too long for a
// QR code or the image could not be made.
std::vector<uint8_t> QrImageFile(std::string_view payloadBytes);
