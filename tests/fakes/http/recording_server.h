#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// What the server does with one request.
struct ServerAnswer {
  std::string bytes;                   // written as they stand
  bool closeAfter = false;             // close the connection after writing
  bool silent = false;                 // write nothing and hold the connection open
  std::chrono::milliseconds delay{0};  // wait before writing
};

// A loopback HTTP server on 127.0.0.1 that records every request's raw bytes and plays
// scripted answers in order; a request without a scripted answer gets the connection closed.
// Works natively and under Wine.
class RecordingServer {
 public:
  explicit RecordingServer(uint16_t port = 0);  // 0: any free port
  ~RecordingServer();
  RecordingServer(const RecordingServer&) = delete;
  RecordingServer& operator=(const RecordingServer&) = delete;

  uint16_t Port() const;
  std::string Host() const { return "127.0.0.1:" + std::to_string(Port()); }

  void Answer(ServerAnswer answer);
  // Raw bytes of each request received so far, in order of arrival.
  std::vector<std::string> Requests();
  int Connections();
  // Waits (up to `limit`) until `count` requests have arrived; false when they did not.
  bool WaitForRequests(size_t count, std::chrono::milliseconds limit);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};
