#include <windows.h>

#include <string>

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return TRUE;
  const std::wstring marker = std::wstring(path, length) + L".loaded";
  HANDLE file = CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return TRUE;
  // Which program loaded it, for the test's message.
  wchar_t program[MAX_PATH];
  const DWORD programLength = GetModuleFileNameW(nullptr, program, MAX_PATH);
  DWORD written = 0;
  WriteFile(file, program, programLength * sizeof(wchar_t), &written, nullptr);
  CloseHandle(file);
  return TRUE;
}
