#include "fakes/shell/fake_ports.h"

bool FakeCommandRunner::Run(std::wstring_view application, std::wstring_view commandLine,
                            std::wstring_view directory, std::wstring& output) {
  applications.emplace_back(application);
  commands.emplace_back(commandLine);
  directories.emplace_back(directory);
  for (const auto& [part, reply] : replies_) {
    if (commandLine.find(part) != std::wstring_view::npos) {
      output = reply.output;
      return reply.ran;
    }
  }
  output.clear();
  return true;
}

namespace {

class FakeRegistryKey : public RegistryKey {
 public:
  FakeRegistryKey(FakeRegistry& registry, FakeRegistry::Key& key) : registry_(registry), key_(key) {
    ++registry_.openKeys;
  }
  ~FakeRegistryKey() override { --registry_.openKeys; }

  StoredValue Read(std::wstring_view name) override {
    auto found = key_.find(std::wstring(name));
    if (found == key_.end()) return {};
    if (!found->second.isString) return {StoredValue::Kind::OtherType, {}};
    std::wstring text = found->second.text;
    text.resize(std::min(text.size(), text.find(L'\0')));
    return {StoredValue::Kind::String, text};
  }
  bool WriteString(std::wstring_view name, std::wstring_view value) override {
    if (name == registry_.failWriteOf) return false;
    key_[std::wstring(name)] = {true, std::wstring(value)};
    return true;
  }
  void Delete(std::wstring_view name) override { key_.erase(std::wstring(name)); }

 private:
  FakeRegistry& registry_;
  FakeRegistry::Key& key_;
};

}  // namespace

std::unique_ptr<RegistryKey> FakeRegistry::OpenOrCreate(std::wstring_view path) {
  if (failOpen) return nullptr;
  return std::make_unique<FakeRegistryKey>(*this, keys[std::wstring(path)]);
}

std::wstring FakeRegistry::ReadString(std::wstring_view path, std::wstring_view name,
                                      std::wstring_view defaultValue) {
  const Value* value = Find(std::wstring(path), std::wstring(name));
  if (!value || !value->isString) return std::wstring(defaultValue);
  return value->text.substr(0, value->text.find(L'\0'));
}

const FakeRegistry::Value* FakeRegistry::Find(const std::wstring& path,
                                              const std::wstring& name) const {
  auto key = keys.find(path);
  if (key == keys.end()) return nullptr;
  auto value = key->second.find(name);
  return value == key->second.end() ? nullptr : &value->second;
}

namespace {

struct Mapped {
  wchar_t character;
  const char* bytes;
};
constexpr Mapped kCodePage936[] = {{L'中', "\xD6\xD0"}, {L'文', "\xCE\xC4"}};

}  // namespace

std::string FakeAnsiText::Encode(std::wstring_view text) const {
  std::string bytes;
  for (wchar_t character : text) {
    if (character < 0x80) {
      bytes += static_cast<char>(character);
      continue;
    }
    const char* mapped = "?";
    for (const Mapped& entry : kCodePage936)
      if (entry.character == character) mapped = entry.bytes;
    bytes += mapped;
  }
  return bytes;
}

std::wstring FakeAnsiText::Decode(std::string_view bytes) const {
  std::wstring text;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (byte < 0x80 || i + 1 == bytes.size()) {
      text += static_cast<wchar_t>(byte);
      continue;
    }
    wchar_t character = L'?';
    for (const Mapped& entry : kCodePage936)
      if (bytes.substr(i, 2) == entry.bytes) character = entry.character;
    text += character;
    ++i;
  }
  return text;
}

std::vector<std::wstring> FakeMainView::Texts(AdapterList list) const {
  std::vector<std::wstring> texts;
  for (const auto& entry : Of(list).Entries()) texts.push_back(entry.text);
  return texts;
}

void FakeMainView::LoadQrImage(const std::vector<uint8_t>& imageFile) {
  ++qrLoads;
  qrImage = imageFile;
  Step(L"qr-image");
}

void FakeMainView::ShowQrPanel() {
  qrPanelShown = true;
  Step(L"qr-panel");
}

void FakeMainView::HideQrPanel() {
  qrPanelShown = false;
  Step(L"spinner-panel");
}

void FakeMainView::StartSpinner() {
  ++spinnerStarts;
  spinnerTurning = true;
  Step(L"spinner-start");
}

void FakeMainView::StopSpinner() {
  ++spinnerStops;
  spinnerTurning = false;
  Step(L"spinner-stop");
}

void FakeMainView::Transition(const std::wstring& name, Screen to) {
  screen = to;
  Step(name);
}

void FakeMainView::Step(const std::wstring& name) {
  steps.push_back(name);
  if (onStep) onStep(name);
}
