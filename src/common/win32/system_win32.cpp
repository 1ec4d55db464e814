#include "common/win32/helpers.h"

#include <shellapi.h>

#include "common/text.h"

namespace {

// RtlGetVersion reports the real version; GetVersionEx lies to programs without a manifest.
DWORD ReadOsMajorVersion() {
  using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
  if (HMODULE ntdll = GetModuleHandleW(L"ntdll.dll")) {
    auto getVersion =
        reinterpret_cast<RtlGetVersionFn>(reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")));
    if (getVersion && getVersion(&info) == 0) return info.dwMajorVersion;
  }
  return 0;
}

}  // namespace

std::wstring ExecutablePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::wstring ApplicationDirectory() { return DirectoryOf(ExecutablePath()); }

std::wstring SystemDirectory() {
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  return std::wstring(folder, length);
}

DWORD OsMajorVersion() {
  static const DWORD major = ReadOsMajorVersion();
  return major;
}

bool IsVistaOrLater() { return OsMajorVersion() >= 6; }

void OpenWebPage(std::wstring_view address) {
  const std::wstring target = WebAddress(address);
  ShellExecuteW(nullptr, nullptr, target.c_str(), L"", nullptr, SW_SHOWNORMAL);
}
