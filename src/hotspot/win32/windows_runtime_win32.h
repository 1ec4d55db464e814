#pragma once

#include <hstring.h>
#include <windows.h>

#include <string>
#include <string_view>

#include "common/win32/system_library.h"

// combase's Windows Runtime routines, found at run time: Windows 7 has no such DLL, and the
// program must still start there.
class WindowsRuntime {
 public:
  WindowsRuntime();
  WindowsRuntime(const WindowsRuntime&) = delete;
  WindowsRuntime& operator=(const WindowsRuntime&) = delete;

  // True when every routine was found.
  bool Available() const;
  // The activation factory of a class, as the interface `iid`; the routine's result.
  HRESULT GetActivationFactory(const wchar_t* className, REFIID iid, void** factory) const;
  HRESULT CreateString(std::wstring_view text, HSTRING* string) const;
  void DeleteString(HSTRING string) const;
  std::wstring Text(HSTRING string) const;

 private:
  using CreateStringRoutine = HRESULT(WINAPI*)(LPCWSTR, UINT32, HSTRING*);
  using DeleteStringRoutine = HRESULT(WINAPI*)(HSTRING);
  using RawBufferRoutine = PCWSTR(WINAPI*)(HSTRING, UINT32*);
  using GetFactoryRoutine = HRESULT(WINAPI*)(HSTRING, REFIID, void**);

  SystemLibrary combase_;
  CreateStringRoutine createString_;
  DeleteStringRoutine deleteString_;
  RawBufferRoutine rawBuffer_;
  GetFactoryRoutine getFactory_;
};

// One string of the Windows Runtime, deleted at the end of its holder's scope.
class RuntimeString {
 public:
  explicit RuntimeString(const WindowsRuntime& runtime) : runtime_(runtime) {}
  RuntimeString(const WindowsRuntime& runtime, std::wstring_view text);
  RuntimeString(const RuntimeString&) = delete;
  RuntimeString& operator=(const RuntimeString&) = delete;
  ~RuntimeString() { runtime_.DeleteString(string_); }

  HSTRING Get() const { return string_; }
  // For an out argument; the old string is deleted first.
  HSTRING* Receive() {
    runtime_.DeleteString(string_);
    string_ = nullptr;
    return &string_;
  }
  std::wstring Text() const { return runtime_.Text(string_); }

 private:
  const WindowsRuntime& runtime_;
  HSTRING string_ = nullptr;
};
