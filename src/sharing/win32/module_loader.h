#pragma once

#include "sharing/NetShell.h"

// The library from the system folder only, its routine by name, FreeLibrary.
class SystemModuleLoader : public ModuleLoader {
 public:
  uintptr_t Load(const std::wstring& fileName) override;
  NcFreeNetconPropertiesRoutine FindNcFreeNetconProperties(uintptr_t module) override;
  void Free(uintptr_t module) override;
};
