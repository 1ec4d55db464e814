#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The parts of an "http://host[:port]/path?query" address that a request needs.
struct HttpUrl {
  std::string host;
  uint16_t port = 80;
  std::string target;  // path and query exactly as written
  std::string path;    // the path alone, without the query
};

// Throws AppError for anything but a plain http address with a host.
HttpUrl ParseHttpUrl(std::string_view url);

// The "Host" header value: the port only when it is not 80.
std::string HostHeaderValue(const HttpUrl& url);
