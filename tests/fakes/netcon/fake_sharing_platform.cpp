#include "fakes/netcon/fake_sharing_platform.h"

#include <cwchar>

#include "fakes/netcon/fake_netcon_objects.h"

uintptr_t FakeModuleLoader::Load(const std::wstring& fileName) {
  ++loads;
  loadedName = fileName;
  return moduleHandle;
}

NcFreeNetconPropertiesRoutine FakeModuleLoader::FindNcFreeNetconProperties(uintptr_t) {
  ++lookups;
  return routinePresent ? &FakeNcFreeNetconProperties : nullptr;
}

void FakeModuleLoader::Free(uintptr_t) { ++frees; }

void STDAPICALLTYPE FakeNcFreeNetconProperties(NETCON_PROPERTIES* properties) {
  if (FakeNetconWorld* world = FakeNetconWorld::Current()) world->FreeBlock(properties);
}

FakeModuleLoader FakeSharingPlatform::LoaderFor(bool netShellPresent) {
  FakeModuleLoader loader;
  if (!netShellPresent) loader.moduleHandle = 0;
  return loader;
}

FakeSharingPlatform::FakeSharingPlatform(FakeNetconWorld& world, bool netShellPresent)
    : world_(world), loader_(LoaderFor(netShellPresent)), netShell_(loader_) {}

HRESULT FakeSharingPlatform::CoCreateInstance(REFCLSID classId, IUnknown* outer, DWORD context,
                                              REFIID iid, void** object) {
  return CreateFakeSharingManager(world_, classId, outer, context, iid, object);
}

void FakeSharingPlatform::NcFreeNetconProperties(NETCON_PROPERTIES* properties) {
  netShell_.NcFreeNetconProperties(properties);
}

bool FakeSharingPlatform::GetComputerNameW(wchar_t* buffer, DWORD* size) {
  computerNameCapacity = *size;
  if (!world_.computerName || world_.computerName->size() + 1 > *size) return false;
  std::wmemcpy(buffer, world_.computerName->c_str(), world_.computerName->size() + 1);
  *size = static_cast<DWORD>(world_.computerName->size());
  return true;
}
