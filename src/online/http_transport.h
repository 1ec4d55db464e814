#pragma once

#include <cstdint>
#include <exception>
#include <memory>
#include <string>
#include <string_view>

// One open connection to a server. Failures are thrown as AppError with the message the
// user sees ("Socket Error # ...", "Read timed out.").
class HttpConnection {
 public:
  virtual ~HttpConnection() = default;
  virtual void Send(std::string_view bytes) = 0;
  // Appends what arrives next to `buffer`; false when the server has closed the connection.
  virtual bool Receive(std::string& buffer) = 0;
};

// Opens connections; each client object uses one connector.
class HttpConnector {
 public:
  virtual ~HttpConnector() = default;
  virtual std::unique_ptr<HttpConnection> Connect(const std::string& host, uint16_t port) = 0;
};

// The program is quitting while a request waits: the request ends without an error to show.
class RequestAbandoned : public std::exception {
 public:
  const char* what() const noexcept override { return "request abandoned"; }
};
