#include <windows.h>

#include <memory>

#include "sharing/com_error.h"

namespace {
struct LocalFreeDeleter {
  void operator()(wchar_t* text) const { LocalFree(text); }
};
}  // namespace

std::wstring SystemErrorText(HRESULT code) {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  const std::unique_ptr<wchar_t, LocalFreeDeleter> owned(buffer);
  std::wstring text;
  if (length != 0 && buffer) text.assign(buffer, length);
  // The system's texts end in a line break, which has no place in a message box sentence.
  while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) {
    text.pop_back();
  }
  return text;
}
