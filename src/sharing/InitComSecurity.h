#pragma once

#include <cstdint>

#include "sharing/NetConfigLibTlb.h"

// The two COM runtime calls that prepare a thread for the home-networking classes.
class ComSecurityRuntime {
 public:
  virtual ~ComSecurityRuntime() = default;
  virtual HRESULT InitializeEx(void* reserved, uint32_t concurrencyModel) = 0;
  virtual HRESULT InitializeSecurity(void* securityDescriptor, int32_t authenticationServiceCount,
                                     void* authenticationServices, void* reserved1,
                                     uint32_t authenticationLevel, uint32_t impersonationLevel,
                                     void* authenticationList, uint32_t capabilities,
                                     void* reserved3) = 0;
};

// Enters the calling thread into a single-threaded apartment and sets the process-wide COM
// security, once per thread. Failures are ignored and not retried: security can be set only
// once per process, so on later threads that call fails by design.
void InitThreadComSecurity(ComSecurityRuntime& runtime);

#ifdef _WIN32
// The same with the real COM runtime.
void InitThreadComSecurity();
#endif
