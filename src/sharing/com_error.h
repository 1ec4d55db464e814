#pragma once

#include <string>

#include "common/app_error.h"
#include "sharing/NetConfigLibTlb.h"

// A failed COM call: the message of the standard error box plus the result code.
class ComError : public AppError {
 public:
  ComError(HRESULT code, std::wstring message) : AppError(std::move(message)), code_(code) {}
  HRESULT Code() const { return code_; }

 private:
  HRESULT code_;
};

inline constexpr wchar_t kInterfaceNotSupported[] = L"Interface not supported";

// The operating system's text for a result code, or empty when it has none.
std::wstring SystemErrorText(HRESULT code);

// The message a failed call carries: the system's text, or "OLE error %.8x".
std::wstring ComErrorMessage(HRESULT code);

// Raises ComError for a negative result; any other result is success.
void OleCheck(HRESULT result);
