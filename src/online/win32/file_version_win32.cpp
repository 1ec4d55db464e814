#include <windows.h>

#include <new>
#include <vector>

#include "online/version_text.h"
#include "online/win32/report_win32.h"

std::wstring GetFileVersion(std::wstring_view path) {
  const std::wstring file(path);
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
  if (size == 0) return {};
  try {
    std::vector<BYTE> block(size);
    if (!GetFileVersionInfoW(file.c_str(), 0, size, block.data())) return L"-1";
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&info), &length) ||
        info == nullptr || length < sizeof(VS_FIXEDFILEINFO)) {
      return {};
    }
    return VersionText(info->dwFileVersionMS, info->dwFileVersionLS);
  } catch (const std::bad_alloc&) {
    return L"-1";
  }
}
