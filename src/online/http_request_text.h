#pragma once

#include <string>
#include <string_view>

#include "online/http_answer.h"

// What one request carries besides its fixed header rows.
struct RequestParts {
  bool post = false;        // POST with a form body, otherwise GET
  std::string_view target;  // path and query as written in the address
  std::string_view host;    // "Host" header value
  const HeaderList* extraHeaders = nullptr;
  std::string_view cookies;  // from the cookie store; empty when none applies
  std::string_view body;     // POST only
};

// The request head and body exactly as they go on the wire.
std::string RequestText(const RequestParts& parts);
