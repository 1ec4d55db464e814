#pragma once

#include <string>
#include <string_view>

// The report's signature: H(H(mac) + uid + H(v)), H being MD5 as upper-case hexadecimal of
// the text's ASCII bytes (other characters count as "?").
std::wstring MakeReportCode(std::wstring_view mac, std::wstring_view v, std::wstring_view uid);

// The cookie the token answer hands over: a "Set-Cookie" value's text before its first ";",
// or the empty text when it holds no ";".
std::string CookieTextOf(std::string_view setCookie);
