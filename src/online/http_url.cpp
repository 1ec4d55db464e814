#include "online/http_url.h"

#include <charconv>

#include "common/app_error.h"
#include "online/wire_text.h"

namespace {

constexpr std::string_view kScheme = "http://";

[[noreturn]] void Reject(std::string_view url) {
  throw AppError(L"Invalid address: " + WideFromBytes(url));
}

}  // namespace

HttpUrl ParseHttpUrl(std::string_view url) {
  if (url.substr(0, kScheme.size()) != kScheme) Reject(url);
  const std::string_view rest = url.substr(kScheme.size());
  const size_t targetStart = rest.find_first_of("/?");
  const std::string_view authority = rest.substr(0, targetStart);

  HttpUrl parsed;
  const size_t colon = authority.find(':');
  parsed.host = std::string(authority.substr(0, colon));
  if (parsed.host.empty()) Reject(url);
  if (colon != std::string_view::npos) {
    const std::string_view port = authority.substr(colon + 1);
    unsigned value = 0;
    const auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), value);
    if (port.empty() || error != std::errc() || end != port.data() + port.size() || value == 0 ||
        value > 65535) {
      Reject(url);
    }
    parsed.port = static_cast<uint16_t>(value);
  }
  // A query straight after the host still asks for the root.
  const std::string_view target =
      targetStart == std::string_view::npos ? std::string_view() : rest.substr(targetStart);
  if (target.empty() || target.front() == '?') parsed.target.push_back('/');
  parsed.target.append(target);
  parsed.path = parsed.target.substr(0, parsed.target.find('?'));
  return parsed;
}

std::string HostHeaderValue(const HttpUrl& url) {
  if (url.port == 80) return url.host;
  return url.host + ":" + std::to_string(url.port);
}
