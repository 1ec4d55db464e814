#include "online/http_answer.h"

namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

}  // namespace

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

std::string HttpAnswer::Header(std::string_view name) const {
  for (const auto& [headerName, value] : headers) {
    if (EqualsIgnoringCase(headerName, name)) return value;
  }
  return {};
}

std::vector<std::string> HttpAnswer::AllHeaders(std::string_view name) const {
  std::vector<std::string> values;
  for (const auto& [headerName, value] : headers) {
    if (EqualsIgnoringCase(headerName, name)) values.push_back(value);
  }
  return values;
}

bool IsSuccess(const HttpAnswer& answer) {
  if (answer.status < 200 || answer.status > 299) return false;
  bool hasLocation = false;
  for (const auto& header : answer.headers)
    hasLocation |= EqualsIgnoringCase(header.first, "Location");
  return !hasLocation || answer.status == 201;
}

bool KeepsConnection(const HttpAnswer& answer, bool requestWasHttp11) {
  if (answer.closedByServer) return false;
  const std::string connection = answer.Header("Connection");
  if (requestWasHttp11) return !EqualsIgnoringCase(connection, "close");
  return EqualsIgnoringCase(connection, "keep-alive");
}
