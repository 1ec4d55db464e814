#pragma once

#include <cstdint>
#include <vector>

#include "qrimg/qr_encoder.h"

// Light modules required around a symbol so that a reader finds its edge.
inline constexpr int kQrQuietZoneModules = 4;

// Pixels per module that keep the symbol and its quiet zone within `maxSide` pixels, but at
// least one (a version 40 code then comes out larger than `maxSide`).
int QrModulePixels(int symbolSize, int maxSide);

// A grayscale PNG file of the code, dark on white, each module `modulePixels` wide, with the
// quiet zone. Empty if the image could not be written.
std::vector<uint8_t> QrPngFile(const QrCode& code, int modulePixels);
