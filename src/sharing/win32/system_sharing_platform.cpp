#include "sharing/win32/system_sharing_platform.h"

#include <objbase.h>

#include "sharing/InitComSecurity.h"

void SystemSharingPlatform::InitThreadComSecurity() { ::InitThreadComSecurity(); }

HRESULT SystemSharingPlatform::CoCreateInstance(REFCLSID classId, IUnknown* outer, DWORD context,
                                                REFIID iid, void** object) {
  return ::CoCreateInstance(classId, outer, context, iid, object);
}

void SystemSharingPlatform::NcFreeNetconProperties(NETCON_PROPERTIES* properties) {
  netShell_.NcFreeNetconProperties(properties);
}

bool SystemSharingPlatform::GetComputerNameW(wchar_t* buffer, DWORD* size) {
  return ::GetComputerNameW(buffer, size) != 0;
}
