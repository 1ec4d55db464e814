#include "online/answer_reader.h"

#include <boost/beast/http/parser.hpp>
#include <boost/beast/http/string_body.hpp>

#include "common/app_error.h"
#include "online/wire_text.h"

namespace http = boost::beast::http;

namespace {

// Limits that keep a hostile answer from taking unbounded memory.
constexpr std::uint32_t kHeaderLimit = 64 * 1024;
constexpr std::uint64_t kBodyLimit = 16 * 1024 * 1024;

[[noreturn]] void ClosedEarly() { throw AppError(L"Connection Closed Gracefully."); }

std::string FirstLine(const std::string& bytes) {
  return bytes.substr(0, bytes.find_first_of("\r\n"));
}

HttpAnswer AnswerOf(http::response_parser<http::string_body>& parser, std::string statusLine,
                    bool closedByServer) {
  auto& message = parser.get();
  HttpAnswer answer;
  answer.statusLine = std::move(statusLine);
  answer.status = static_cast<int>(message.result_int());
  answer.http11 = message.version() == 11;
  for (const auto& field : message) {
    answer.headers.emplace_back(std::string(field.name_string()), std::string(field.value()));
  }
  answer.body = std::move(message.body());
  answer.closedByServer = closedByServer;
  return answer;
}

// Reads one message, which may be an interim 1xx answer.
HttpAnswer ReadMessage(HttpConnection& connection, std::string& pending) {
  http::response_parser<http::string_body> parser;
  parser.eager(true);
  parser.header_limit(kHeaderLimit);
  parser.body_limit(kBodyLimit);
  std::string statusLine;
  bool receivedAny = !pending.empty();
  while (!parser.is_done()) {
    if (!pending.empty()) {
      boost::beast::error_code error;
      const bool headerWasDone = parser.is_header_done();
      const size_t used = parser.put(boost::asio::buffer(pending), error);
      if (!headerWasDone && parser.is_header_done()) statusLine = FirstLine(pending);
      pending.erase(0, used);
      if (error && error != http::error::need_more) {
        throw AppError(L"Invalid answer from the server: " + WideFromBytes(error.message()));
      }
      if (parser.is_done()) break;
      if (used > 0 && !pending.empty()) continue;
    }
    if (!connection.Receive(pending)) {
      if (!receivedAny) ClosedEarly();
      boost::beast::error_code error;
      parser.put_eof(error);
      if (error || !parser.is_done()) ClosedEarly();
      return AnswerOf(parser, std::move(statusLine), true);
    }
    receivedAny = true;
  }
  return AnswerOf(parser, std::move(statusLine), false);
}

}  // namespace

HttpAnswer ReadAnswer(HttpConnection& connection, std::string& pending) {
  for (;;) {
    HttpAnswer answer = ReadMessage(connection, pending);
    // Interim answers ("100 Continue", "103 Early Hints", ...) come before the real one.
    if (answer.status < 100 || answer.status > 199) return answer;
  }
}
