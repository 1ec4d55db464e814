#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "common/ansi_code_page.h"

// Lead bytes as in code page 936 (GBK): 0x81 to 0xFE start a two-byte character.
class Gbk936CodePage : public AnsiCodePage {
 public:
  std::wstring Decode(std::string_view bytes) const override;
  bool IsLeadByte(unsigned char byte) const override { return byte >= 0x81 && byte != 0xFF; }
};

// The characters a join field must escape.
inline constexpr std::string_view kJoinSpecials = "\\;,\":";

// Fields of join payloads: `characters` characters, each an ASCII letter or digit, a special
// character, or a two-byte GBK character (whose second byte is sometimes 0x5C).
std::string RandomJoinField(std::mt19937& random, int characters);

// Join payloads for the round-trip tests: the longest possible ones (64 specials or 64 GBK
// characters in each field), empty fields, and random mixes of every length up to 64.
std::vector<std::string> SampleJoinPayloads();
