#include "fakes/http/recording_server.h"

#include <boost/asio/connect.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/write.hpp>
#include <cctype>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace asio = boost::asio;
using tcp = asio::ip::tcp;

namespace {

size_t ContentLength(const std::string& head) {
  std::string lower = head;
  for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
  const size_t at = lower.find("\r\ncontent-length:");
  return at == std::string::npos ? 0 : std::stoul(head.substr(at + 17));
}

}  // namespace

struct RecordingServer::Impl {
  asio::io_context context;
  tcp::acceptor acceptor{context};
  std::mutex mutex;
  std::condition_variable changed;
  std::deque<ServerAnswer> answers;
  std::vector<std::string> requests;
  std::vector<std::shared_ptr<tcp::socket>> sockets;
  int connections = 0;
  bool stopping = false;
  std::thread acceptThread;
  std::vector<std::thread> connectionThreads;

  void AcceptLoop() {
    for (;;) {
      auto socket = std::make_shared<tcp::socket>(context);
      boost::system::error_code error;
      acceptor.accept(*socket, error);
      std::lock_guard lock(mutex);
      if (stopping) return;
      if (error) continue;
      ++connections;
      sockets.push_back(socket);
      connectionThreads.emplace_back([this, socket] { Serve(*socket); });
    }
  }

  // Reads one request; false when the client closed the connection first.
  bool ReadRequest(tcp::socket& socket, std::string& received, std::string& request) {
    size_t headEnd;
    while ((headEnd = received.find("\r\n\r\n")) == std::string::npos) {
      if (!ReadMore(socket, received)) return false;
    }
    const size_t total = headEnd + 4 + ContentLength(received.substr(0, headEnd + 2));
    while (received.size() < total) {
      if (!ReadMore(socket, received)) return false;
    }
    request = received.substr(0, total);
    received.erase(0, total);
    return true;
  }

  static bool ReadMore(tcp::socket& socket, std::string& received) {
    char chunk[4096];
    boost::system::error_code error;
    const size_t count = socket.read_some(asio::buffer(chunk), error);
    if (error) return false;
    received.append(chunk, count);
    return true;
  }

  void Serve(tcp::socket& socket) {
    std::string received;
    std::string request;
    while (ReadRequest(socket, received, request)) {
      ServerAnswer answer;
      {
        std::unique_lock lock(mutex);
        requests.push_back(request);
        changed.notify_all();
        if (answers.empty()) break;
        answer = std::move(answers.front());
        answers.pop_front();
        if (answer.silent) {
          changed.wait(lock, [&] { return stopping; });
          return;
        }
        if (changed.wait_for(lock, answer.delay, [&] { return stopping; })) return;
      }
      boost::system::error_code error;
      asio::write(socket, asio::buffer(answer.bytes), error);
      if (error || answer.closeAfter) break;
    }
    boost::system::error_code ignored;
    socket.shutdown(tcp::socket::shutdown_both, ignored);
  }
};

RecordingServer::RecordingServer(uint16_t port) : impl_(std::make_unique<Impl>()) {
  const tcp::endpoint endpoint(asio::ip::make_address("127.0.0.1"), port);
  impl_->acceptor.open(endpoint.protocol());
  impl_->acceptor.set_option(tcp::acceptor::reuse_address(true));
  impl_->acceptor.bind(endpoint);
  impl_->acceptor.listen();
  impl_->acceptThread = std::thread([this] { impl_->AcceptLoop(); });
}

RecordingServer::~RecordingServer() {
  {
    std::lock_guard lock(impl_->mutex);
    impl_->stopping = true;
    impl_->changed.notify_all();
    for (const auto& socket : impl_->sockets) {
      boost::system::error_code ignored;
      socket->shutdown(tcp::socket::shutdown_both, ignored);
    }
  }
  // A connection of our own wakes the blocking accept.
  {
    tcp::socket waker(impl_->context);
    boost::system::error_code ignored;
    waker.connect(impl_->acceptor.local_endpoint(), ignored);
    impl_->acceptThread.join();
  }
  for (std::thread& thread : impl_->connectionThreads) thread.join();
}

uint16_t RecordingServer::Port() const { return impl_->acceptor.local_endpoint().port(); }

void RecordingServer::Answer(ServerAnswer answer) {
  std::lock_guard lock(impl_->mutex);
  impl_->answers.push_back(std::move(answer));
}

std::vector<std::string> RecordingServer::Requests() {
  std::lock_guard lock(impl_->mutex);
  return impl_->requests;
}

int RecordingServer::Connections() {
  std::lock_guard lock(impl_->mutex);
  return impl_->connections;
}

bool RecordingServer::WaitForRequests(size_t count, std::chrono::milliseconds limit) {
  std::unique_lock lock(impl_->mutex);
  return impl_->changed.wait_for(lock, limit, [&] { return impl_->requests.size() >= count; });
}
