#include "online/asio_connector.h"

#include <boost/asio/connect.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/write.hpp>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "common/app_error.h"
#include "online/socket_error.h"
#include "online/system_message.h"

namespace asio = boost::asio;
using tcp = asio::ip::tcp;
using Clock = std::chrono::steady_clock;

namespace {

// Socket errors are reported with their Winsock numbers on every platform.
AppError SocketFailure(const boost::system::error_code& error) {
  struct Known {
    boost::system::error_code code;
    int number;
    const wchar_t* description;
  };
  const Known known[] = {
      {asio::error::host_not_found, kHostNotFound, L"Host not found."},
      {asio::error::host_not_found_try_again, 11002, L"Non-authoritative host not found."},
      {asio::error::no_recovery, 11003, L"This is a non-recoverable error."},
      {asio::error::no_data, 11004, L"Valid name, no data record of requested type."},
      {asio::error::connection_refused, kConnectionRefused, L"Connection refused."},
      {asio::error::connection_reset, 10054, L"Connection reset by peer."},
      {asio::error::connection_aborted, 10053, L"Software caused connection abort."},
      {asio::error::timed_out, 10060, L"Connection timed out."},
      {asio::error::network_down, 10050, L"Network is down."},
      {asio::error::network_unreachable, 10051, L"Network is unreachable."},
      {asio::error::host_unreachable, 10065, L"No route to host."},
  };
  for (const Known& entry : known) {
    if (error == entry.code) return SocketError(entry.number, entry.description);
  }
  return SocketError(error.value(), WideFromSystemMessage(error.message()));
}

// The socket and what the connecting thread leaves for the waiting one.
struct Link {
  asio::io_context context;
  tcp::socket socket{context};
  std::mutex mutex;
  std::condition_variable connected;
  bool finished = false;
  boost::system::error_code error;
};

boost::system::error_code ConnectBlocking(Link& link, const std::string& host, uint16_t port) {
  boost::system::error_code error;
  tcp::resolver resolver(link.context);
  const auto endpoints =
      resolver.resolve(host, std::to_string(port), tcp::resolver::numeric_service, error);
  if (!error) asio::connect(link.socket, endpoints, error);
  return error;
}

// Connects on a thread of its own while this thread keeps the window alive in short steps.
// A connect that is given up on finishes on its own thread, which then drops the socket.
void ConnectWhileDispatching(const std::shared_ptr<Link>& link, const std::string& host,
                             uint16_t port, const WaitSettings& settings) {
  std::thread([link, host, port] {
    const boost::system::error_code error = ConnectBlocking(*link, host, port);
    std::lock_guard lock(link->mutex);
    link->error = error;
    link->finished = true;
    link->connected.notify_all();
  }).detach();

  const Clock::time_point start = Clock::now();
  std::unique_lock lock(link->mutex);
  while (!link->connected.wait_for(lock, settings.connectStep, [&] { return link->finished; })) {
    lock.unlock();
    if (!settings.dispatchMessages()) throw RequestAbandoned();
    if (Clock::now() - start >= settings.connectLimit) throw AppError(L"Connect timed out.");
    lock.lock();
  }
  if (link->error) throw SocketFailure(link->error);
}

class AsioConnection : public HttpConnection {
 public:
  AsioConnection(std::shared_ptr<Link> link, const WaitSettings& settings)
      : link_(std::move(link)), settings_(settings) {}

  void Send(std::string_view bytes) override {
    boost::system::error_code error;
    asio::write(link_->socket, asio::buffer(bytes.data(), bytes.size()), error);
    if (error) throw SocketFailure(error);
  }

  bool Receive(std::string& buffer) override {
    char chunk[8192];
    bool finished = false;
    size_t received = 0;
    boost::system::error_code error;
    link_->socket.async_read_some(asio::buffer(chunk),
                                  [&](const boost::system::error_code& result, size_t count) {
                                    error = result;
                                    received = count;
                                    finished = true;
                                  });
    // Nothing may wait without limit: slices, with the window's messages between them.
    const Clock::time_point start = Clock::now();
    link_->context.restart();
    while (!finished) {
      link_->context.run_for(settings_.readSlice);
      if (finished) break;
      if (settings_.dispatchMessages && !settings_.dispatchMessages()) {
        CancelRead(finished);
        throw RequestAbandoned();
      }
      if (Clock::now() - start >= settings_.readLimit) {
        CancelRead(finished);
        throw AppError(L"Read timed out.");
      }
    }
    if (error == asio::error::eof) return false;
    if (error) throw SocketFailure(error);
    buffer.append(chunk, received);
    return true;
  }

 private:
  // The read's handler refers to this frame: let it run before the frame goes away.
  void CancelRead(const bool& finished) {
    boost::system::error_code ignored;
    link_->socket.cancel(ignored);
    link_->context.restart();
    while (!finished) link_->context.run_one();
  }

  std::shared_ptr<Link> link_;
  const WaitSettings settings_;
};

}  // namespace

std::unique_ptr<HttpConnection> AsioConnector::Connect(const std::string& host, uint16_t port) {
  auto link = std::make_shared<Link>();
  if (settings_.dispatchMessages) {
    ConnectWhileDispatching(link, host, port, settings_);
  } else if (const boost::system::error_code error = ConnectBlocking(*link, host, port)) {
    throw SocketFailure(error);
  }
  return std::make_unique<AsioConnection>(std::move(link), settings_);
}
