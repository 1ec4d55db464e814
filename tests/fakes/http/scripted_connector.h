#pragma once

#include <memory>
#include <string>
#include <vector>

#include "online/http_transport.h"

// A connection the fake server side plays: what it answers, in pieces of `chunkSize` bytes,
// then the end of the connection. A non-empty `connectError` makes connecting fail with it.
struct ScriptedConnection {
  std::string answer;
  size_t chunkSize = 1 << 20;
  std::wstring connectError;
};

// Hands out scripted connections in order and records what the client sent on each.
class ScriptedConnector : public HttpConnector {
 public:
  void Add(ScriptedConnection connection) { scripts_.push_back(std::move(connection)); }
  std::unique_ptr<HttpConnection> Connect(const std::string& host, uint16_t port) override;

  // Bytes sent on each connection made, in order.
  const std::vector<std::string>& Sent() const { return sent_; }
  // "host:port" of each connection attempt.
  const std::vector<std::string>& Attempts() const { return attempts_; }

 private:
  std::vector<ScriptedConnection> scripts_;
  std::vector<std::string> sent_;
  std::vector<std::string> attempts_;
};
