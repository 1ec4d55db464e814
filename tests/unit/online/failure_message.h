#pragma once

#include <string>

#include "common/app_error.h"

// The message of the AppError that `request` throws, or a marker when it throws none.
template <typename Request>
std::wstring FailureOf(Request request) {
  try {
    request();
  } catch (const AppError& error) {
    return error.Message();
  }
  return L"(no failure)";
}
