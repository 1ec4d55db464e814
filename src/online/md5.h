#pragma once

#include <string>
#include <string_view>

// The MD5 digest (RFC 1321) of the bytes, as 32 upper-case hexadecimal digits.
// Through the operating system's crypto: CryptoAPI on Windows, OpenSSL elsewhere.
std::string Md5Hex(std::string_view bytes);
