#pragma once

#include <string>
#include <string_view>

// Conversions at the edge between the program's UTF-16 text and the bytes of HTTP.

// Each character as UTF-8; a surrogate pair is one character, a lone surrogate becomes U+FFFD.
std::string Utf8FromWide(std::wstring_view text);

// Each character as one ASCII byte; a character outside ASCII becomes "?".
std::string AsciiFromWide(std::wstring_view text);

// Each byte as the character of the same code, for texts taken from the wire.
std::wstring WideFromBytes(std::string_view bytes);

// UTF-8 bytes as characters; each byte of a malformed sequence becomes U+FFFD.
std::wstring WideFromUtf8(std::string_view bytes);

// Appends one code point (a surrogate pair where wchar_t is 16 bits wide).
void AppendCodePoint(char32_t c, std::wstring& out);
