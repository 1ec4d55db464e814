#pragma once

#include <memory>
#include <string>
#include <string_view>

// One value as read from an open registry key.
struct StoredValue {
  enum class Kind { Missing, String, OtherType };
  Kind kind = Kind::Missing;
  std::wstring text;  // for Kind::String, up to the first NUL
};

// An open key under HKEY_CURRENT_USER; closed when destroyed.
class RegistryKey {
 public:
  virtual ~RegistryKey() = default;
  virtual StoredValue Read(std::wstring_view name) = 0;
  // Writes a REG_SZ value; false when the write failed.
  virtual bool WriteString(std::wstring_view name, std::wstring_view value) = 0;
  // Deletes a value; a missing value is no error.
  virtual void Delete(std::wstring_view name) = 0;
};

// The current user's registry.
class Registry {
 public:
  virtual ~Registry() = default;
  // Opens a key under HKEY_CURRENT_USER with full access, creating it when missing;
  // null when that fails.
  virtual std::unique_ptr<RegistryKey> OpenOrCreate(std::wstring_view path) = 0;
  // The text of a string value under HKEY_CURRENT_USER, or `defaultValue` on any failure.
  virtual std::wstring ReadString(std::wstring_view path, std::wstring_view name,
                                  std::wstring_view defaultValue) = 0;
};
