#include "common/win32/system_library.h"

#include <string>

#include "common/win32/helpers.h"

HMODULE LoadSystemLibrary(const wchar_t* fileName) {
  HMODULE module = LoadLibraryExW(fileName, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (module || GetLastError() != ERROR_INVALID_PARAMETER) return module;
  // Windows 7 without the update that brought the search flags: load by full path instead.
  std::wstring path = SystemDirectory();
  if (path.empty()) return nullptr;
  path += L'\\';
  path += fileName;
  return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}
