#pragma once

#include <windows.h>

#include "common/stdcall_check.h"

// Loads a DLL from the system folder only, never from the program's folder or the current one:
// the program runs elevated, so a DLL planted beside it would run as administrator.
// Null when the system has no such DLL.
HMODULE LoadSystemLibrary(const wchar_t* fileName);

// Makes the system folder the only place where DLLs loaded by name are looked for, for the whole
// process, where Windows offers that (Windows 7 with its 2011 update and later).
void RestrictDllSearchToSystemFolder();

// A routine of a loaded module as a typed function pointer, or null.
template <typename Routine>
Routine FindRoutine(HMODULE module, const char* name) {
  static_assert(IsStdcallRoutine<Routine>, "a routine taken from a DLL must be WINAPI");
  if (!module) return nullptr;
  const FARPROC routine = GetProcAddress(module, name);
  // Through the generic function pointer type, the one cast the compiler accepts silently.
  return reinterpret_cast<Routine>(reinterpret_cast<void (*)()>(routine));
}

// Owns a module loaded with LoadSystemLibrary; frees it at the end of its scope.
class SystemLibrary {
 public:
  explicit SystemLibrary(const wchar_t* fileName) : module_(LoadSystemLibrary(fileName)) {}
  ~SystemLibrary() {
    if (module_) FreeLibrary(module_);
  }
  SystemLibrary(const SystemLibrary&) = delete;
  SystemLibrary& operator=(const SystemLibrary&) = delete;

  HMODULE get() const { return module_; }
  explicit operator bool() const { return module_ != nullptr; }
  template <typename Routine>
  Routine Find(const char* name) const {
    return FindRoutine<Routine>(module_, name);
  }

 private:
  HMODULE module_;
};
