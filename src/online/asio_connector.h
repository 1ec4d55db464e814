#pragma once

#include <chrono>
#include <functional>

#include "online/http_transport.h"

// How a connection waits. On the window's thread `dispatchMessages` keeps the window
// handling its messages while a request waits; it returns false when the program is quitting,
// which abandons the request. Elsewhere it is empty and the waits simply block.
struct WaitSettings {
  std::function<bool()> dispatchMessages;
  std::chrono::milliseconds connectLimit{120000};  // window's thread only
  std::chrono::milliseconds readLimit{120000};     // nothing received for this long fails
  std::chrono::milliseconds connectStep{125};
  std::chrono::milliseconds readSlice{250};
};

// Plain TCP connections through Boost.Asio.
class AsioConnector : public HttpConnector {
 public:
  explicit AsioConnector(WaitSettings settings = {}) : settings_(std::move(settings)) {}
  std::unique_ptr<HttpConnection> Connect(const std::string& host, uint16_t port) override;

 private:
  WaitSettings settings_;
};
