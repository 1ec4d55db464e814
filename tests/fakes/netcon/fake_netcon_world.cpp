#include "fakes/netcon/fake_netcon_world.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <new>

#include "fakes/netcon/block_memory.h"

namespace {

FakeNetconWorld* currentWorld = nullptr;

wchar_t* CopyText(const std::wstring& text) {
  auto* copy = static_cast<wchar_t*>(AllocateBlockMemory((text.size() + 1) * sizeof(wchar_t)));
  if (!copy) throw std::bad_alloc();
  std::memcpy(copy, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  return copy;
}

void ReleaseBlockMemory(NETCON_PROPERTIES* block) {
  FreeBlockMemory(block->pszwName);
  FreeBlockMemory(block->pszwDeviceName);
  FreeBlockMemory(block);
}

std::string Utf8(const std::wstring& text) {
  std::string out;
  for (wchar_t c : text) {
    const auto code = static_cast<uint32_t>(c);
    if (code < 0x80) {
      out += static_cast<char>(code);
    } else if (code < 0x800) {
      out += static_cast<char>(0xC0 | (code >> 6));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (code >> 12));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return out;
}

}  // namespace

FakeNetconWorld::FakeNetconWorld() { currentWorld = this; }

FakeNetconWorld::~FakeNetconWorld() {
  for (NETCON_PROPERTIES* block : blocks_) ReleaseBlockMemory(block);
  if (currentWorld == this) currentWorld = nullptr;
}

FakeNetconWorld* FakeNetconWorld::Current() { return currentWorld; }

FakeConnection& FakeNetconWorld::AddConnection(FakeConnection connection) {
  connections_.push_back(std::make_unique<FakeConnection>(std::move(connection)));
  return *connections_.back();
}

std::vector<FakeConnection*> FakeNetconWorld::LiveConnections() {
  std::vector<FakeConnection*> live;
  for (const auto& connection : connections_) {
    if (!connection->deleted) live.push_back(connection.get());
  }
  return live;
}

FakeConnection* FakeNetconWorld::FindConnection(const GUID& guid) {
  for (const auto& connection : connections_) {
    if (connection->guid == guid) return connection.get();
  }
  return nullptr;
}

GUID FakeNetconWorld::NextDuplicateGuid(const GUID& original) {
  GUID guid = original;
  guid.Data2 = static_cast<uint16_t>(guid.Data2 + 0x100 + ++duplicates_);
  return guid;
}

void FakeNetconWorld::FailCall(const std::string& method, HRESULT result, int nth) {
  rules_.emplace(method, Rule{result, nth});
}

std::optional<HRESULT> FakeNetconWorld::Enter(const std::string& method) {
  if (beforeEachCall_) beforeEachCall_();
  const int call = ++calls_[method];
  const auto [first, last] = rules_.equal_range(method);
  for (auto rule = first; rule != last; ++rule) {
    if (rule->second.nth == 0 || rule->second.nth == call) return rule->second.result;
  }
  return std::nullopt;
}

int FakeNetconWorld::Calls(const std::string& method) const {
  const auto found = calls_.find(method);
  return found == calls_.end() ? 0 : found->second;
}

void FakeNetconWorld::Log(const std::wstring& line) {
  log_.push_back(line);
  if (logFile_.empty()) return;
  std::ofstream file(logFile_, std::ios::app | std::ios::binary);
  file << Utf8(line) << '\n';
}

int FakeNetconWorld::LiveObjects() const {
  return static_cast<int>(std::count_if(objects_.begin(), objects_.end(),
                                        [](const auto& object) { return object->references > 0; }));
}

void FakeNetconWorld::RegisterConnectionObject(const INetConnection* object,
                                               FakeConnection* connection) {
  connectionObjects_[object] = connection;
}

FakeConnection* FakeNetconWorld::ConnectionOf(const INetConnection* object) const {
  const auto found = connectionObjects_.find(object);
  return found == connectionObjects_.end() ? nullptr : found->second;
}

NETCON_PROPERTIES* FakeNetconWorld::AllocateBlock(const FakeConnection& connection) {
  auto* block = static_cast<NETCON_PROPERTIES*>(AllocateBlockMemory(sizeof(NETCON_PROPERTIES)));
  if (!block) throw std::bad_alloc();
  std::memset(block, 0, sizeof(*block));
  block->guidId = connection.guid;
  block->pszwName = CopyText(connection.name);
  block->pszwDeviceName = CopyText(connection.deviceName);
  block->Status = connection.status;
  block->MediaType = connection.mediaType;
  block->dwCharacter = connection.characteristics;
  block->clsidThisObject = {
      0xBA126AD1, 0x2166, 0x11D1, {0xB1, 0xD0, 0x00, 0x80, 0x5F, 0xC1, 0x27, 0x0E}};
  block->clsidUiObject = {
      0x7007ACC5, 0x3202, 0x11D1, {0xAA, 0xD2, 0x00, 0x80, 0x5F, 0xC1, 0x27, 0x0E}};
  blocks_.push_back(block);
  return block;
}

void FakeNetconWorld::FreeBlock(NETCON_PROPERTIES* block) {
  const auto found = std::find(blocks_.begin(), blocks_.end(), block);
  if (found == blocks_.end()) {
    ++badBlockFrees_;
    return;
  }
  blocks_.erase(found);
  ReleaseBlockMemory(block);
}

void FakeNetconWorld::Reset() {
  for (auto& connection : connections_) retired_.push_back(std::move(connection));
  connections_.clear();
  rules_.clear();
  calls_.clear();
  log_.clear();
  for (NETCON_PROPERTIES* block : blocks_) ReleaseBlockMemory(block);
  blocks_.clear();
  overReleases_ = 0;
  badBlockFrees_ = 0;
  sharingInstalled_ = true;
  computerName = L"PELANTO-PC";
}
