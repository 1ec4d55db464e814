#include "shell/settings_rules.h"

#include <cstdint>
#include <cwchar>

std::size_t Utf16Length(std::wstring_view text) {
#if WCHAR_MAX > 0xFFFF
  // wchar_t is 32 bits outside Windows: a character beyond the BMP is a surrogate pair there.
  std::size_t units = 0;
  for (wchar_t character : text) units += static_cast<uint32_t>(character) > 0xFFFF ? 2 : 1;
  return units;
#else
  return text.size();
#endif
}

bool KeyFilterAccepts(wchar_t keyChar, std::wstring_view boxText) {
  const bool allowed = keyChar == L'\b' || (keyChar >= L'0' && keyChar <= L'9') ||
                       (keyChar >= L'A' && keyChar <= L'Z') || (keyChar >= L'a' && keyChar <= L'z');
  return allowed && Utf16Length(boxText) < kMaxTypedLength;
}

bool SettingsComplete(std::wstring_view networkName, std::wstring_view key) {
  return Utf16Length(networkName) >= kMinNetworkNameLength && Utf16Length(key) >= kMinKeyLength;
}

std::wstring RunValueText(std::wstring_view executablePath) {
  return L"\"" + std::wstring(executablePath) + L"\" -auto";
}

std::wstring InvalidDataTypeMessage(std::wstring_view valueName) {
  return L"Invalid data type for '" + std::wstring(valueName) + L"'";
}

std::wstring FailedToSetDataMessage(std::wstring_view valueName) {
  return L"Failed to set data for '" + std::wstring(valueName) + L"'";
}
