#include <vector>

#include "common/win32/helpers.h"
#include "common/win32/reg_key.h"

std::wstring ReadRegistryString(HKEY root, std::wstring_view keyPath, std::wstring_view valueName,
                                std::wstring_view defaultValue) {
  std::wstring path(keyPath);
  if (!path.empty() && path.front() == L'\\') path.erase(0, 1);
  const std::wstring name(valueName);

  RegKey key;
  if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, key.Receive()) != ERROR_SUCCESS) {
    return std::wstring(defaultValue);
  }
  DWORD type = 0, size = 0;
  if (RegQueryValueExW(key.Get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ)) {
    return std::wstring(defaultValue);
  }
  // One spare character, so that a value stored without its terminating NUL still ends.
  std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
  DWORD bytes = static_cast<DWORD>((buffer.size() - 1) * sizeof(wchar_t));
  if (RegQueryValueExW(key.Get(), name.c_str(), nullptr, &type,
                       reinterpret_cast<BYTE*>(buffer.data()), &bytes) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ)) {
    return std::wstring(defaultValue);
  }
  return std::wstring(buffer.data());
}
