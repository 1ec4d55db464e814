#pragma once

#include <string>
#include <string_view>
#include <vector>

// The cookies one client object has been given; it lives and dies with that object.
class CookieStore {
 public:
  // Takes one "Set-Cookie" or "Set-Cookie2" value of an answer from `host` to a request
  // for `requestPath` (the path without its query).
  void Add(std::string_view setCookie, std::string_view host, std::string_view requestPath);
  // The "Cookie" header value for a request, or the empty text when no cookie applies.
  std::string HeaderFor(std::string_view host, std::string_view path) const;
  size_t Size() const { return cookies_.size(); }

 private:
  struct Cookie {
    std::string name;
    std::string value;
    std::string domain;  // lower case
    bool hostOnly = true;
    std::string path;
    bool secure = false;
  };
  bool Applies(const Cookie& cookie, std::string_view host, std::string_view path) const;

  std::vector<Cookie> cookies_;
};
