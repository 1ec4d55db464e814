#pragma once

#include <string>

#include "sharing/NetConfigLibTlb.h"

// What the sharing component needs of the system beyond the home-networking interfaces.
class SharingPlatform {
 public:
  virtual ~SharingPlatform() = default;
  virtual void InitThreadComSecurity() = 0;
  virtual HRESULT CoCreateInstance(REFCLSID classId, IUnknown* outer, DWORD context, REFIID iid,
                                   void** object) = 0;
  // Raises the missing-library error when the shell networking library is unavailable.
  virtual void NcFreeNetconProperties(NETCON_PROPERTIES* properties) = 0;
  // GetComputerNameW: `size` holds the capacity in characters; false when the call failed.
  virtual bool GetComputerNameW(wchar_t* buffer, DWORD* size) = 0;
};
