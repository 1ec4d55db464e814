#pragma once

#include <string>

#include "fakes/netcon/fake_netcon_world.h"
#include "sharing/NetShell.h"
#include "sharing/sharing_platform.h"

// A library loader for NetShell whose library hands properties blocks back to the current
// fake world.
class FakeModuleLoader : public ModuleLoader {
 public:
  // The handle Load gives; 32 or less means the library is missing.
  uintptr_t moduleHandle = 0x10000;
  bool routinePresent = true;
  int loads = 0;
  int lookups = 0;
  int frees = 0;
  std::wstring loadedName;

  uintptr_t Load(const std::wstring& fileName) override;
  NcFreeNetconPropertiesRoutine FindNcFreeNetconProperties(uintptr_t module) override;
  void Free(uintptr_t module) override;
};

// The routine of the fake NetShell: gives the block back to the current world.
void STDAPICALLTYPE FakeNcFreeNetconProperties(NETCON_PROPERTIES* properties);

// The sharing component's system calls, answered by a fake world.
class FakeSharingPlatform : public SharingPlatform {
 public:
  explicit FakeSharingPlatform(FakeNetconWorld& world, bool netShellPresent = true);

  void InitThreadComSecurity() override { ++initThreadCalls; }
  HRESULT CoCreateInstance(REFCLSID classId, IUnknown* outer, DWORD context, REFIID iid,
                           void** object) override;
  void NcFreeNetconProperties(NETCON_PROPERTIES* properties) override;
  bool GetComputerNameW(wchar_t* buffer, DWORD* size) override;

  int initThreadCalls = 0;
  DWORD computerNameCapacity = 0;

 private:
  static FakeModuleLoader LoaderFor(bool netShellPresent);

  FakeNetconWorld& world_;
  FakeModuleLoader loader_;
  NetShell netShell_;
};
