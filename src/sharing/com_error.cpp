#include "sharing/com_error.h"

#include <cstdint>
#include <cwchar>

std::wstring ComErrorMessage(HRESULT code) {
  std::wstring text = SystemErrorText(code);
  if (!text.empty()) return text;
  wchar_t buffer[32];
  std::swprintf(buffer, 32, L"OLE error %.8x", static_cast<unsigned>(static_cast<uint32_t>(code)));
  return buffer;
}

void OleCheck(HRESULT result) {
  if (FAILED(result)) throw ComError(result, ComErrorMessage(result));
}
