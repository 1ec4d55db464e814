#include "common/win32/system_library.h"

#include <string>

HMODULE LoadSystemLibrary(const wchar_t* fileName) {
  HMODULE module = LoadLibraryExW(fileName, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (module || GetLastError() != ERROR_INVALID_PARAMETER) return module;
  // Windows 7 without the update that brought the search flags: load by full path instead.
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  std::wstring path(folder, length);
  path += L'\\';
  path += fileName;
  return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

void RestrictDllSearchToSystemFolder() {
  using SetDefaultDllDirectoriesRoutine = BOOL(WINAPI*)(DWORD);
  const auto setDefault = FindRoutine<SetDefaultDllDirectoriesRoutine>(
      GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
  if (setDefault) setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
}
