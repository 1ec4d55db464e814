#pragma once

#include <cstdint>

// The COM set-up values the home-networking classes need. Kept under names of our own: the
// Windows headers define the same names as macros.
namespace RpcConstants {
inline constexpr uint32_t kCoInitApartmentThreaded = 2;     // COINIT_APARTMENTTHREADED
inline constexpr int32_t kAuthenticationServicesAuto = -1;  // COM chooses them
inline constexpr uint32_t kAuthnLevelDefault = 0;           // RPC_C_AUTHN_LEVEL_DEFAULT
inline constexpr uint32_t kImpLevelImpersonate = 3;         // RPC_C_IMP_LEVEL_IMPERSONATE
inline constexpr uint32_t kEoacNone = 0;                    // EOAC_NONE
inline constexpr uint32_t kClsctxInprocServer = 1;          // CLSCTX_INPROC_SERVER
}  // namespace RpcConstants
