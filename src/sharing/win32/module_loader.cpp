#include "sharing/win32/module_loader.h"

#include <windows.h>

uintptr_t SystemModuleLoader::Load(const std::wstring& fileName) {
  return reinterpret_cast<uintptr_t>(LoadLibraryW(fileName.c_str()));
}

NcFreeNetconPropertiesRoutine SystemModuleLoader::FindNcFreeNetconProperties(uintptr_t module) {
  const FARPROC routine =
      GetProcAddress(reinterpret_cast<HMODULE>(module), "NcFreeNetconProperties");
  // Through the generic function pointer type, the one cast the compiler accepts silently.
  return reinterpret_cast<NcFreeNetconPropertiesRoutine>(reinterpret_cast<void (*)()>(routine));
}

void SystemModuleLoader::Free(uintptr_t module) { FreeLibrary(reinterpret_cast<HMODULE>(module)); }
