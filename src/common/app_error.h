#pragma once

#include <exception>
#include <string>
#include <utility>

// The one error type of the program: a message for the standard error box.
class AppError : public std::exception {
 public:
  explicit AppError(std::wstring message) : message_(std::move(message)) {}
  const std::wstring& Message() const noexcept { return message_; }
  const char* what() const noexcept override { return "AppError"; }

 private:
  std::wstring message_;
};
