#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "online/cookie_store.h"
#include "online/form_fields.h"
#include "online/http_answer.h"
#include "online/http_transport.h"
#include "online/http_url.h"

// Carries one sequence of exchanges with its own cookie store, then is discarded.
// Used by one thread only. A failed request throws AppError (HttpStatusError for an answer
// that is not a success); nothing is retried and no redirect is followed.
class HttpClient {
 public:
  explicit HttpClient(HttpConnector& connector) : connector_(connector) {}

  // GET over HTTP/1.1; the answer's body bytes.
  std::string Get(std::string_view url);
  // POST of the encoded fields over HTTP/1.0, always on a fresh connection; the body bytes.
  std::string PostForm(std::string_view url, const FieldList& fields);
  // The same POST, for a caller that judges the answer itself: whatever its status, the
  // answer is returned; only a failed exchange throws.
  const HttpAnswer& PostFormAnswer(std::string_view url, const FieldList& fields);

  // The first header of that name in the last answer, or the empty text.
  std::string AnswerHeader(std::string_view name) const { return lastAnswer_.Header(name); }

  // Extra request headers go out on every later request, in the order added.
  void ClearExtraHeaders() { extraHeaders_.clear(); }
  // Adds nothing when the value is empty.
  void AddExtraHeader(std::string_view name, std::string_view value);

 private:
  const HttpAnswer& Exchange(bool post, const HttpUrl& url, std::string_view body);
  // The last answer's body; throws HttpStatusError when the answer is not a success.
  std::string SuccessBody() const;
  void Disconnect();

  HttpConnector& connector_;
  HeaderList extraHeaders_;
  CookieStore cookies_;
  std::unique_ptr<HttpConnection> connection_;
  std::string connectedHost_;
  uint16_t connectedPort_ = 0;
  std::string pending_;
  HttpAnswer lastAnswer_;
};
