#include "online/http_request_text.h"

namespace {

void AppendLine(std::string& text, std::string_view name, std::string_view value) {
  text.append(name).append(": ").append(value).append("\r\n");
}

}  // namespace

std::string RequestText(const RequestParts& parts) {
  std::string text = parts.post ? "POST " : "GET ";
  text.append(parts.target).append(parts.post ? " HTTP/1.0\r\n" : " HTTP/1.1\r\n");
  if (parts.post) {
    AppendLine(text, "Connection", "keep-alive");
    AppendLine(text, "Content-Type", "application/x-www-form-urlencoded");
    AppendLine(text, "Content-Length", std::to_string(parts.body.size()));
  }
  // The store's cookies take the place of an extra "Cookie" row when there is one.
  bool cookiesSent = parts.cookies.empty();
  if (parts.extraHeaders) {
    for (const auto& [name, value] : *parts.extraHeaders) {
      const bool replaced = !cookiesSent && EqualsIgnoringCase(name, "Cookie");
      AppendLine(text, name, replaced ? parts.cookies : std::string_view(value));
      cookiesSent |= replaced;
    }
  }
  AppendLine(text, "Host", parts.host);
  AppendLine(text, "Accept", "text/html, */*");
  AppendLine(text, "Accept-Encoding", "identity");
  AppendLine(text, "User-Agent", "Mozilla/3.0 (compatible; Indy Library)");
  if (!cookiesSent) AppendLine(text, "Cookie", parts.cookies);
  if (!parts.cookies.empty()) AppendLine(text, "Cookie2", "$Version=\"1\"");
  text.append("\r\n");
  if (parts.post) text.append(parts.body);
  return text;
}
