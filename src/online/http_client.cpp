#include "online/http_client.h"

#include "online/answer_reader.h"
#include "online/http_request_text.h"
#include "online/wire_text.h"

std::string HttpClient::Get(std::string_view url) {
  Exchange(false, ParseHttpUrl(url), {});
  return SuccessBody();
}

std::string HttpClient::PostForm(std::string_view url, const FieldList& fields) {
  PostFormAnswer(url, fields);
  return SuccessBody();
}

const HttpAnswer& HttpClient::PostFormAnswer(std::string_view url, const FieldList& fields) {
  const HttpUrl parsed = ParseHttpUrl(url);
  return Exchange(true, parsed, EncodeFormBody(fields));
}

std::string HttpClient::SuccessBody() const {
  if (!IsSuccess(lastAnswer_)) {
    throw HttpStatusError(WideFromBytes(lastAnswer_.statusLine), lastAnswer_.body);
  }
  return lastAnswer_.body;
}

void HttpClient::AddExtraHeader(std::string_view name, std::string_view value) {
  if (!value.empty()) extraHeaders_.emplace_back(name, value);
}

void HttpClient::Disconnect() {
  connection_.reset();
  pending_.clear();
}

const HttpAnswer& HttpClient::Exchange(bool post, const HttpUrl& url, std::string_view body) {
  if (post || url.host != connectedHost_ || url.port != connectedPort_) Disconnect();
  if (!connection_) {
    connection_ = connector_.Connect(url.host, url.port);
    connectedHost_ = url.host;
    connectedPort_ = url.port;
  }

  const std::string cookies = cookies_.HeaderFor(url.host, url.path);
  const std::string host = HostHeaderValue(url);
  RequestParts parts{post, url.target, host, &extraHeaders_, cookies, body};
  try {
    connection_->Send(RequestText(parts));
    lastAnswer_ = ReadAnswer(*connection_, pending_);
  } catch (...) {
    Disconnect();
    throw;
  }

  for (const char* name : {"Set-Cookie", "Set-Cookie2"}) {
    for (const std::string& value : lastAnswer_.AllHeaders(name)) {
      cookies_.Add(value, url.host, url.path);
    }
  }
  if (!KeepsConnection(lastAnswer_, !post)) Disconnect();
  return lastAnswer_;
}
