#include "online/wire_text.h"

namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

bool IsHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Calls `visit` with each code point of the text; wchar_t is UTF-16 on Windows, UTF-32 elsewhere.
template <typename Visit>
void ForEachCodePoint(std::wstring_view text, Visit visit) {
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t c = static_cast<char32_t>(text[i]);
    if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(char32_t(text[i + 1]))) {
      c = 0x10000 + ((c - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00);
      ++i;
    } else if (IsHighSurrogate(c) || IsLowSurrogate(c) || c > 0x10FFFF) {
      c = kReplacementCharacter;
    }
    visit(c);
  }
}

void AppendUtf8(char32_t c, std::string& out) {
  if (c < 0x80) {
    out += char(c);
  } else if (c < 0x800) {
    out += char(0xC0 | (c >> 6));
    out += char(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += char(0xE0 | (c >> 12));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  } else {
    out += char(0xF0 | (c >> 18));
    out += char(0x80 | ((c >> 12) & 0x3F));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  }
}

// Bytes in the sequence a lead byte begins; 0 for a byte that cannot begin one.
size_t Utf8SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead < 0xC2) return 0;
  if (lead < 0xE0) return 2;
  if (lead < 0xF0) return 3;
  if (lead < 0xF5) return 4;
  return 0;
}

}  // namespace

std::string Utf8FromWide(std::wstring_view text) {
  std::string out;
  out.reserve(text.size());
  ForEachCodePoint(text, [&](char32_t c) { AppendUtf8(c, out); });
  return out;
}

std::string AsciiFromWide(std::wstring_view text) {
  std::string out;
  out.reserve(text.size());
  ForEachCodePoint(text, [&](char32_t c) { out += c < 0x80 ? char(c) : '?'; });
  return out;
}

std::wstring WideFromBytes(std::string_view bytes) {
  std::wstring out;
  out.reserve(bytes.size());
  for (char b : bytes) out += wchar_t(static_cast<unsigned char>(b));
  return out;
}

void AppendCodePoint(char32_t c, std::wstring& out) {
  if (c > 0x10FFFF || IsHighSurrogate(c) || IsLowSurrogate(c)) c = kReplacementCharacter;
  if (sizeof(wchar_t) == 2 && c >= 0x10000) {
    out += wchar_t(0xD800 + ((c - 0x10000) >> 10));
    out += wchar_t(0xDC00 + ((c - 0x10000) & 0x3FF));
  } else {
    out += wchar_t(c);
  }
}

std::wstring WideFromUtf8(std::string_view bytes) {
  std::wstring out;
  out.reserve(bytes.size());
  size_t i = 0;
  while (i < bytes.size()) {
    const unsigned char lead = static_cast<unsigned char>(bytes[i]);
    const size_t length = Utf8SequenceLength(lead);
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    bool wellFormed = length > 0 && i + length <= bytes.size();
    for (size_t k = 1; wellFormed && k < length; ++k) {
      const unsigned char next = static_cast<unsigned char>(bytes[i + k]);
      wellFormed = (next & 0xC0) == 0x80;
      c = (c << 6) | (next & 0x3F);
    }
    // Overlong forms and encoded surrogates are malformed too.
    constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (!wellFormed || c < kLeast[length] || IsHighSurrogate(c) || IsLowSurrogate(c) ||
        c > 0x10FFFF) {
      out += wchar_t(kReplacementCharacter);
      ++i;
      continue;
    }
    AppendCodePoint(c, out);
    i += length;
  }
  return out;
}
