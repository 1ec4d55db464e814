#pragma once

#include <cstddef>
#include <string>

// Each byte as two upper-case hexadecimal digits, without separators.
inline std::string UpperHex(const unsigned char* bytes, size_t count) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  text.reserve(count * 2);
  for (size_t i = 0; i < count; ++i) {
    text += kDigits[bytes[i] >> 4];
    text += kDigits[bytes[i] & 0xF];
  }
  return text;
}
