#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/app_error.h"

using HeaderList = std::vector<std::pair<std::string, std::string>>;

// One answer of a server as received.
struct HttpAnswer {
  std::string statusLine;  // exactly as received, without its line end
  int status = 0;
  bool http11 = true;
  HeaderList headers;  // in the order received, values trimmed
  std::string body;
  bool closedByServer = false;  // the body ended with the connection

  // The first header of that name (any case), or the empty text.
  std::string Header(std::string_view name) const;
  // Every header of that name (any case), in order.
  std::vector<std::string> AllHeaders(std::string_view name) const;
};

// 2xx, unless a "Location" header came with a status other than 201.
bool IsSuccess(const HttpAnswer& answer);

// Whether the connection may carry the next request: for a 1.1 request unless the answer
// says "Connection: close", for a 1.0 request only when it says "keep-alive".
bool KeepsConnection(const HttpAnswer& answer, bool requestWasHttp11);

// An answer that is not a success: the status line is the message, the body the detail.
class HttpStatusError : public AppError {
 public:
  HttpStatusError(std::wstring statusLine, std::string body)
      : AppError(std::move(statusLine)), body_(std::move(body)) {}
  const std::string& Body() const { return body_; }

 private:
  std::string body_;
};

bool EqualsIgnoringCase(std::string_view a, std::string_view b);
