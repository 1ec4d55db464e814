#include <windows.h>

#include <new>
#include <vector>

#include "common/win32/system_library.h"
#include "online/version_text.h"
#include "online/win32/report_win32.h"

namespace {

using GetFileVersionInfoSizeRoutine = DWORD(WINAPI*)(LPCWSTR, LPDWORD);
using GetFileVersionInfoRoutine = BOOL(WINAPI*)(LPCWSTR, DWORD, DWORD, LPVOID);
using VerQueryValueRoutine = BOOL(WINAPI*)(LPCVOID, LPCWSTR, LPVOID*, PUINT);

}  // namespace

std::wstring GetFileVersion(std::wstring_view path) {
  // version.dll is no known DLL: taken from the system folder when needed, never from ours.
  const SystemLibrary library(L"version.dll");
  const auto infoSize = library.Find<GetFileVersionInfoSizeRoutine>("GetFileVersionInfoSizeW");
  const auto info = library.Find<GetFileVersionInfoRoutine>("GetFileVersionInfoW");
  const auto queryValue = library.Find<VerQueryValueRoutine>("VerQueryValueW");
  if (!infoSize || !info || !queryValue) return {};
  const std::wstring file(path);
  DWORD ignored = 0;
  const DWORD size = infoSize(file.c_str(), &ignored);
  if (size == 0) return {};
  try {
    std::vector<BYTE> block(size);
    if (!info(file.c_str(), 0, size, block.data())) return L"-1";
    VS_FIXEDFILEINFO* fixedInfo = nullptr;
    UINT length = 0;
    if (!queryValue(block.data(), L"\\", reinterpret_cast<void**>(&fixedInfo), &length) ||
        fixedInfo == nullptr || length < sizeof(VS_FIXEDFILEINFO)) {
      return {};
    }
    return VersionText(fixedInfo->dwFileVersionMS, fixedInfo->dwFileVersionLS);
  } catch (const std::bad_alloc&) {
    return L"-1";
  }
}
