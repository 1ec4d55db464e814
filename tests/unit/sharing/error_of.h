#pragma once

#include <functional>
#include <string>

#include "common/app_error.h"

// The message of the error `action` raises, or "(no error)".
inline std::wstring ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const AppError& error) {
    return error.Message();
  }
  return L"(no error)";
}
