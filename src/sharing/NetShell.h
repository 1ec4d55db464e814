#pragma once

#include <cstdint>
#include <string>

#include "sharing/NetConfigLibTlb.h"

using NcFreeNetconPropertiesRoutine = void(STDAPICALLTYPE*)(NETCON_PROPERTIES*);

// Loading a library and finding the one routine of it the program needs.
class ModuleLoader {
 public:
  virtual ~ModuleLoader() = default;
  // The module handle as a number; a value of 32 or less means it did not load.
  virtual uintptr_t Load(const std::wstring& fileName) = 0;
  virtual NcFreeNetconPropertiesRoutine FindNcFreeNetconProperties(uintptr_t module) = 0;
  virtual void Free(uintptr_t module) = 0;
};

// The shell networking library, loaded once for the whole run; releases the connection
// properties blocks the home-networking classes hand out.
class NetShell {
 public:
  static constexpr wchar_t kLibraryName[] = L"NetShell.dll";

  explicit NetShell(ModuleLoader& loader);
  NetShell(const NetShell&) = delete;
  NetShell& operator=(const NetShell&) = delete;
  ~NetShell();

  // Raises the missing-library error when the library or its routine was not found.
  void NcFreeNetconProperties(NETCON_PROPERTIES* properties) const;

 private:
  bool Loaded() const { return module_ > 32; }

  ModuleLoader& loader_;
  std::wstring libraryName_;
  uintptr_t module_ = 0;
  NcFreeNetconPropertiesRoutine freeRoutine_ = nullptr;
};
