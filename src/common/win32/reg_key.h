#pragma once

#include <windows.h>

#include <utility>

// Owns an open registry key and closes it on every path.
class RegKey {
 public:
  RegKey() = default;
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;
  RegKey(RegKey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}
  RegKey& operator=(RegKey&& other) noexcept {
    if (this != &other) {
      Close();
      key_ = std::exchange(other.key_, nullptr);
    }
    return *this;
  }
  ~RegKey() { Close(); }

  HKEY Get() const { return key_; }
  HKEY* Receive() {
    Close();
    return &key_;
  }
  explicit operator bool() const { return key_ != nullptr; }
  void Close() {
    if (key_) RegCloseKey(key_);
    key_ = nullptr;
  }

 private:
  HKEY key_ = nullptr;
};
