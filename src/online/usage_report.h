#pragma once

#include <string>
#include <string_view>

#include "online/http_client.h"

// The values a report sends, copied for each report.
struct TAMTJ {
  std::wstring _uid;
  std::wstring _c;
  std::wstring _v;
  std::wstring _ppm;
};

inline constexpr char kTokenPath[] = "/interface.php?s=/Count/getToken.html";
inline constexpr char kSignPath[] = "/interface.php?s=/Count/sign.html";

// The report's two requests: the token GET, whose cookie is carried over, then the form POST
// with uid, c, mac, v, ppm and code. Throws on any failure; no POST follows a failed GET.
void SendUsageReport(HttpClient& client, const TAMTJ& values, std::wstring_view mac,
                     std::string_view statsHost);
