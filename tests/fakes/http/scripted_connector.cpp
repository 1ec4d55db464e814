#include "fakes/http/scripted_connector.h"

#include <algorithm>

#include "common/app_error.h"

namespace {

class ScriptedHttpConnection : public HttpConnection {
 public:
  ScriptedHttpConnection(ScriptedConnection script, std::vector<std::string>& sent, size_t index)
      : script_(std::move(script)), sent_(sent), index_(index) {}

  void Send(std::string_view bytes) override { sent_[index_].append(bytes); }

  bool Receive(std::string& buffer) override {
    if (offset_ >= script_.answer.size()) return false;
    const size_t count =
        std::min(std::max<size_t>(script_.chunkSize, 1), script_.answer.size() - offset_);
    buffer.append(script_.answer, offset_, count);
    offset_ += count;
    return true;
  }

 private:
  ScriptedConnection script_;
  std::vector<std::string>& sent_;
  size_t index_;
  size_t offset_ = 0;
};

}  // namespace

std::unique_ptr<HttpConnection> ScriptedConnector::Connect(const std::string& host, uint16_t port) {
  attempts_.push_back(host + ":" + std::to_string(port));
  if (scripts_.empty()) throw AppError(L"Socket Error # 10061\r\nConnection refused.");
  ScriptedConnection script = std::move(scripts_.front());
  scripts_.erase(scripts_.begin());
  if (!script.connectError.empty()) throw AppError(script.connectError);
  sent_.emplace_back();
  return std::make_unique<ScriptedHttpConnection>(std::move(script), sent_, sent_.size() - 1);
}
