#pragma once

#include "sharing/InitComSecurity.h"

// The COM runtime's own CoInitializeEx and CoInitializeSecurity.
class SystemComSecurityRuntime : public ComSecurityRuntime {
 public:
  HRESULT InitializeEx(void* reserved, uint32_t concurrencyModel) override;
  HRESULT InitializeSecurity(void* securityDescriptor, int32_t authenticationServiceCount,
                             void* authenticationServices, void* reserved1,
                             uint32_t authenticationLevel, uint32_t impersonationLevel,
                             void* authenticationList, uint32_t capabilities,
                             void* reserved3) override;
};
