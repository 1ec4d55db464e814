#include "shell/win32/platform_ports_win32.h"

#include <optional>

#include "common/win32/helpers.h"
#include "common/win32/message_pump.h"
#include "common/win32/reg_key.h"

bool WindowsCommandRunner::Run(std::wstring_view application, std::wstring_view commandLine,
                               std::wstring_view directory, std::wstring& output) {
  const std::string applicationAnsi = AnsiFromWide(application);
  const std::string commandAnsi = AnsiFromWide(commandLine);
  const std::string directoryAnsi = AnsiFromWide(directory);
  std::optional<toolkit::InputHold::Scope> held;
  if (inputHold_ != nullptr) held.emplace(*inputHold_);
  bool ran = false;
  RunWhileDispatching([&] {
    try {
      uint32_t exitCode = 0;
      ran = RunCommandCapture(applicationAnsi, commandAnsi, directoryAnsi, output, exitCode);
    } catch (...) {
      ran = false;  // out of memory: nothing may leave the worker thread
    }
  });
  return ran;
}

bool WindowsSystemFacts::IsVistaOrLater() const { return ::IsVistaOrLater(); }

std::wstring WindowsSystemFacts::ApplicationDirectory() const { return ::ApplicationDirectory(); }

std::wstring WindowsSystemFacts::SystemDirectory() const { return ::SystemDirectory(); }

std::wstring WindowsSystemFacts::ExecutablePath() const { return ::ExecutablePath(); }

std::string WindowsAnsiText::Encode(std::wstring_view text) const { return AnsiFromWide(text); }

std::wstring WindowsAnsiText::Decode(std::string_view bytes) const { return WideFromAnsi(bytes); }

bool WindowsAnsiText::IsLeadByte(unsigned char byte) const { return IsDBCSLeadByte(byte) != 0; }

namespace {

class WindowsRegistryKey : public RegistryKey {
 public:
  explicit WindowsRegistryKey(RegKey key) : key_(std::move(key)) {}

  StoredValue Read(std::wstring_view name) override {
    std::wstring text;
    bool exists = false;
    if (ReadStringValue(key_.Get(), name, text, exists)) return {StoredValue::Kind::String, text};
    return {exists ? StoredValue::Kind::OtherType : StoredValue::Kind::Missing, {}};
  }

  bool WriteString(std::wstring_view name, std::wstring_view value) override {
    const std::wstring valueName(name), data(value);
    const DWORD bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key_.Get(), valueName.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(data.c_str()), bytes) == ERROR_SUCCESS;
  }

  void Delete(std::wstring_view name) override {
    const std::wstring valueName(name);
    RegDeleteValueW(key_.Get(), valueName.c_str());
  }

 private:
  RegKey key_;
};

}  // namespace

std::unique_ptr<RegistryKey> WindowsRegistry::OpenOrCreate(std::wstring_view path) {
  const std::wstring keyPath(path);
  RegKey key;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                      key.Receive(), nullptr) != ERROR_SUCCESS) {
    return nullptr;
  }
  return std::make_unique<WindowsRegistryKey>(std::move(key));
}

std::wstring WindowsRegistry::ReadString(std::wstring_view path, std::wstring_view name,
                                         std::wstring_view defaultValue) {
  return ReadRegistryString(HKEY_CURRENT_USER, path, name, defaultValue);
}

void WindowsDialogs::ShowInfoMessage(std::wstring_view text, std::wstring_view caption,
                                     uint32_t flags) {
  ::ShowInfoMessage(text, caption, flags);
}

bool WindowsDialogs::AskYesNo(std::wstring_view text, std::wstring_view caption) {
  return ::AskYesNo(text, caption);
}

void WindowsDialogs::ShowErrorBox(std::wstring_view message) { ::ShowErrorBox(message); }
