#include "online/report_code.h"

#include "online/md5.h"
#include "online/wire_text.h"

namespace {

std::string H(std::wstring_view text) { return Md5Hex(AsciiFromWide(text)); }

}  // namespace

std::wstring MakeReportCode(std::wstring_view mac, std::wstring_view v, std::wstring_view uid) {
  return WideFromBytes(Md5Hex(H(mac) + AsciiFromWide(uid) + H(v)));
}

std::string CookieTextOf(std::string_view setCookie) {
  const size_t semicolon = setCookie.find(';');
  if (semicolon == std::string_view::npos) return {};
  return std::string(setCookie.substr(0, semicolon));
}
