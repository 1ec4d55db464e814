#pragma once

#include "sharing/NetShell.h"
#include "sharing/sharing_platform.h"

// The sharing component's system calls on Windows, with the program's NetShell.
class SystemSharingPlatform : public SharingPlatform {
 public:
  explicit SystemSharingPlatform(const NetShell& netShell) : netShell_(netShell) {}

  void InitThreadComSecurity() override;
  HRESULT CoCreateInstance(REFCLSID classId, IUnknown* outer, DWORD context, REFIID iid,
                           void** object) override;
  void NcFreeNetconProperties(NETCON_PROPERTIES* properties) override;
  bool GetComputerNameW(wchar_t* buffer, DWORD* size) override;

 private:
  const NetShell& netShell_;
};
