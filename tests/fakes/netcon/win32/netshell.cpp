// NetShell.dll stand-in: NcFreeNetconProperties hands a block back to the fake world of
// FakeNetcon.dll when that is loaded (so tests can count blocks), else frees it as the
// system's routine does, with the COM task allocator.

#include <windows.h>

#include <objbase.h>

#include "sharing/NetConfigLibTlb.h"

using FreeBlockFunction = void (*)(NETCON_PROPERTIES*);

extern "C" __declspec(dllexport) void STDAPICALLTYPE
    NcFreeNetconProperties(NETCON_PROPERTIES* properties) {
  if (!properties) return;
  if (HMODULE world = GetModuleHandleW(L"FakeNetcon.dll")) {
    const FARPROC routine = GetProcAddress(world, "FakeNetconFreeBlock");
    if (routine) {
      reinterpret_cast<FreeBlockFunction>(reinterpret_cast<void (*)()>(routine))(properties);
      return;
    }
  }
  CoTaskMemFree(properties->pszwName);
  CoTaskMemFree(properties->pszwDeviceName);
  CoTaskMemFree(properties);
}
