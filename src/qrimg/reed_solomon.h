#pragma once

#include <cstdint>
#include <span>
#include <vector>

// Reed-Solomon error correction over GF(256) with the QR polynomial x^8+x^4+x^3+x^2+1.
class ReedSolomonGenerator {
 public:
  explicit ReedSolomonGenerator(int eccLength);
  // The `eccLength` error correction codewords of one block of data codewords.
  std::vector<uint8_t> Remainder(std::span<const uint8_t> data) const;

 private:
  std::vector<uint8_t> divisor_;  // generator polynomial, leading 1 left out
};

// Product of two field elements.
uint8_t GaloisMultiply(uint8_t x, uint8_t y);
