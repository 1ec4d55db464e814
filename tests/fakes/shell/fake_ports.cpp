#include "fakes/shell/fake_ports.h"

bool FakeCommandRunner::Run(std::wstring_view commandLine, std::wstring_view directory,
                            std::wstring& output) {
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
