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
