#pragma once

#include <string>
#include <string_view>

// The system's 8-bit code page, as console programs print in it.
class AnsiCodePage {
 public:
  virtual ~AnsiCodePage() = default;
  virtual std::wstring Decode(std::string_view bytes) const = 0;
  // True for the first byte of a two-byte character (code pages such as 936).
  virtual bool IsLeadByte(unsigned char byte) const = 0;
};
