#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "qrimg/qr_capacity.h"

// The data codewords of one byte-mode segment holding `payload`: mode, count, bytes, terminator
// and pad codewords, exactly QrDataCodewords(version, level) of them. The payload must fit.
std::vector<uint8_t> QrDataCodewordsFor(std::span<const uint8_t> payload, QrSymbolChoice symbol);

// The data codewords split into blocks, each block's error correction appended, and the
// blocks interleaved into the order in which they are placed in the symbol.
std::vector<uint8_t> QrInterleavedCodewords(std::span<const uint8_t> dataCodewords,
                                            QrSymbolChoice symbol);
