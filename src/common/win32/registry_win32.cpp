#include <vector>

#include "common/win32/helpers.h"
#include "common/win32/reg_key.h"

bool ReadStringValue(HKEY key, std::wstring_view valueName, std::wstring& text, bool& exists) {
  const std::wstring name(valueName);
  DWORD type = 0, size = 0;
  exists = RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
  if (!exists || (type != REG_SZ && type != REG_EXPAND_SZ)) return false;
  // Room for the reported size rounded up to whole characters, plus a NUL of our own, so a
  // value stored without its terminator (or with an odd byte count) still ends.
  std::vector<wchar_t> buffer((size + sizeof(wchar_t) - 1) / sizeof(wchar_t) + 1, L'\0');
  DWORD bytes = static_cast<DWORD>((buffer.size() - 1) * sizeof(wchar_t));
  if (RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                       &bytes) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ)) {
    return false;
  }
  text.assign(buffer.data());
  return true;
}

std::wstring ReadRegistryString(HKEY root, std::wstring_view keyPath, std::wstring_view valueName,
                                std::wstring_view defaultValue) {
  std::wstring path(keyPath);
  if (!path.empty() && path.front() == L'\\') path.erase(0, 1);

  RegKey key;
  std::wstring text;
  bool exists = false;
  if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, key.Receive()) != ERROR_SUCCESS ||
      !ReadStringValue(key.Get(), valueName, text, exists)) {
    return std::wstring(defaultValue);
  }
  return text;
}
