#include "sharing/InitComSecurity.h"

#include "sharing/RpcConstants.h"

namespace {
thread_local bool threadComSecurityDone = false;
}  // namespace

void InitThreadComSecurity(ComSecurityRuntime& runtime) {
  if (threadComSecurityDone) return;
  runtime.InitializeEx(nullptr, RpcConstants::kCoInitApartmentThreaded);
  runtime.InitializeSecurity(nullptr, RpcConstants::kAuthenticationServicesAuto, nullptr, nullptr,
                             RpcConstants::kAuthnLevelDefault, RpcConstants::kImpLevelImpersonate,
                             nullptr, RpcConstants::kEoacNone, nullptr);
  threadComSecurityDone = true;
}
