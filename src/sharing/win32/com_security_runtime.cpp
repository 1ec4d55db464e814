#include "sharing/win32/com_security_runtime.h"

#include <objbase.h>

#include "sharing/RpcConstants.h"

static_assert(RpcConstants::kCoInitApartmentThreaded == COINIT_APARTMENTTHREADED);
static_assert(RpcConstants::kAuthnLevelDefault == RPC_C_AUTHN_LEVEL_DEFAULT);
static_assert(RpcConstants::kImpLevelImpersonate == RPC_C_IMP_LEVEL_IMPERSONATE);
static_assert(RpcConstants::kEoacNone == EOAC_NONE);
static_assert(RpcConstants::kClsctxInprocServer == CLSCTX_INPROC_SERVER);

HRESULT SystemComSecurityRuntime::InitializeEx(void* reserved, uint32_t concurrencyModel) {
  return CoInitializeEx(reserved, concurrencyModel);
}

HRESULT SystemComSecurityRuntime::InitializeSecurity(
    void* securityDescriptor, int32_t authenticationServiceCount, void* authenticationServices,
    void* reserved1, uint32_t authenticationLevel, uint32_t impersonationLevel,
    void* authenticationList, uint32_t capabilities, void* reserved3) {
  return CoInitializeSecurity(
      static_cast<PSECURITY_DESCRIPTOR>(securityDescriptor), authenticationServiceCount,
      static_cast<SOLE_AUTHENTICATION_SERVICE*>(authenticationServices), reserved1,
      authenticationLevel, impersonationLevel, authenticationList, capabilities, reserved3);
}

void InitThreadComSecurity() {
  SystemComSecurityRuntime runtime;
  InitThreadComSecurity(runtime);
}
