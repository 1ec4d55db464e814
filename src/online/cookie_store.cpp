#include "online/cookie_store.h"

#include <algorithm>
#include <charconv>

namespace {

// A hostile server must not grow the store without end.
constexpr size_t kMaxCookies = 50;
constexpr size_t kMaxCookieBytes = 4096;

std::string_view Trim(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string Lower(std::string_view text) {
  std::string lowered(text);
  for (char& c : lowered) {
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  }
  return lowered;
}

// The request's directory: its path up to the last "/", that "/" dropped.
std::string DefaultPath(std::string_view requestPath) {
  const size_t slash = requestPath.rfind('/');
  return slash == std::string_view::npos ? std::string()
                                         : std::string(requestPath.substr(0, slash));
}

bool DomainMatches(std::string_view host, std::string_view domain) {
  if (host == domain) return true;
  return host.size() > domain.size() && host.ends_with(domain) &&
         host[host.size() - domain.size() - 1] == '.';
}

bool ExpiresNow(std::string_view maxAge) {
  long long seconds = 0;
  const auto [end, error] = std::from_chars(maxAge.data(), maxAge.data() + maxAge.size(), seconds);
  return error == std::errc() && end == maxAge.data() + maxAge.size() && seconds <= 0;
}

}  // namespace

void CookieStore::Add(std::string_view setCookie, std::string_view host,
                      std::string_view requestPath) {
  if (setCookie.size() > kMaxCookieBytes) return;
  const size_t firstSemicolon = setCookie.find(';');
  const std::string_view pair = Trim(setCookie.substr(0, firstSemicolon));
  const size_t equals = pair.find('=');
  if (equals == std::string_view::npos || Trim(pair.substr(0, equals)).empty()) return;

  Cookie cookie;
  cookie.name = std::string(Trim(pair.substr(0, equals)));
  cookie.value = std::string(Trim(pair.substr(equals + 1)));
  cookie.domain = Lower(host);
  cookie.path = DefaultPath(requestPath);
  bool expired = false;

  std::string_view attributes = firstSemicolon == std::string_view::npos
                                    ? std::string_view()
                                    : setCookie.substr(firstSemicolon);
  while (!attributes.empty()) {
    attributes.remove_prefix(1);  // the ";"
    const size_t next = attributes.find(';');
    const std::string_view attribute = Trim(attributes.substr(0, next));
    attributes = next == std::string_view::npos ? std::string_view() : attributes.substr(next);
    const size_t eq = attribute.find('=');
    const std::string key = Lower(Trim(attribute.substr(0, eq)));
    const std::string_view value =
        eq == std::string_view::npos ? std::string_view() : Trim(attribute.substr(eq + 1));
    if (key == "domain" && !value.empty()) {
      std::string domain = Lower(value.front() == '.' ? value.substr(1) : value);
      // A server may only set cookies for itself or a domain it belongs to.
      if (domain.empty() || !DomainMatches(Lower(host), domain)) return;
      cookie.domain = std::move(domain);
      cookie.hostOnly = false;
    } else if (key == "path" && !value.empty() && value.front() == '/') {
      cookie.path = std::string(value);
    } else if (key == "secure") {
      cookie.secure = true;
    } else if (key == "max-age") {
      expired = ExpiresNow(value);
    }
  }

  auto same = std::find_if(cookies_.begin(), cookies_.end(), [&](const Cookie& stored) {
    return stored.name == cookie.name && stored.domain == cookie.domain &&
           stored.path == cookie.path;
  });
  if (same != cookies_.end()) cookies_.erase(same);
  if (expired || cookies_.size() >= kMaxCookies) return;
  cookies_.push_back(std::move(cookie));
}

bool CookieStore::Applies(const Cookie& cookie, std::string_view host,
                          std::string_view path) const {
  const std::string lowerHost = Lower(host);
  const bool hostMatches =
      cookie.hostOnly ? lowerHost == cookie.domain : DomainMatches(lowerHost, cookie.domain);
  return hostMatches && path.starts_with(cookie.path) && !cookie.value.empty() && !cookie.secure;
}

std::string CookieStore::HeaderFor(std::string_view host, std::string_view path) const {
  std::vector<const Cookie*> sent;
  for (const Cookie& cookie : cookies_) {
    if (Applies(cookie, host, path)) sent.push_back(&cookie);
  }
  // More specific paths first, as browsers do; otherwise in the order received.
  std::stable_sort(sent.begin(), sent.end(), [](const Cookie* a, const Cookie* b) {
    return a->path.size() > b->path.size();
  });
  std::string header;
  for (const Cookie* cookie : sent) {
    if (!header.empty()) header += "; ";
    header += cookie->name + "=" + cookie->value;
  }
  return header;
}
