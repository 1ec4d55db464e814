#include "qrimg/reed_solomon.h"

#include <algorithm>

uint8_t GaloisMultiply(uint8_t x, uint8_t y) {
  // Russian peasant multiplication, reduced by 0x11D.
  int product = 0;
  for (int bit = 7; bit >= 0; --bit) {
    product = (product << 1) ^ ((product >> 7) * 0x11D);
    product ^= ((y >> bit) & 1) * x;
  }
  return static_cast<uint8_t>(product);
}

ReedSolomonGenerator::ReedSolomonGenerator(int eccLength)
    : divisor_(static_cast<std::size_t>(eccLength), 0) {
  // Product of (x - r^i) for i = 0 .. eccLength-1, r = 2, coefficients highest power first.
  divisor_.back() = 1;
  uint8_t root = 1;
  for (int i = 0; i < eccLength; ++i) {
    for (std::size_t j = 0; j < divisor_.size(); ++j) {
      divisor_[j] = GaloisMultiply(divisor_[j], root);
      if (j + 1 < divisor_.size()) divisor_[j] ^= divisor_[j + 1];
    }
    root = GaloisMultiply(root, 2);
  }
}

std::vector<uint8_t> ReedSolomonGenerator::Remainder(std::span<const uint8_t> data) const {
  std::vector<uint8_t> remainder(divisor_.size(), 0);
  for (uint8_t byte : data) {
    const uint8_t factor = byte ^ remainder.front();
    std::rotate(remainder.begin(), remainder.begin() + 1, remainder.end());
    remainder.back() = 0;
    for (std::size_t i = 0; i < remainder.size(); ++i) {
      remainder[i] ^= GaloisMultiply(divisor_[i], factor);
    }
  }
  return remainder;
}
