#include "sharing/win32/module_loader.h"

#include "common/win32/system_library.h"

uintptr_t SystemModuleLoader::Load(const std::wstring& fileName) {
  return reinterpret_cast<uintptr_t>(LoadSystemLibrary(fileName.c_str()));
}

NcFreeNetconPropertiesRoutine SystemModuleLoader::FindNcFreeNetconProperties(uintptr_t module) {
  return FindRoutine<NcFreeNetconPropertiesRoutine>(reinterpret_cast<HMODULE>(module),
                                                    "NcFreeNetconProperties");
}

void SystemModuleLoader::Free(uintptr_t module) { FreeLibrary(reinterpret_cast<HMODULE>(module)); }
