#include "sharing/name_tables.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<const wchar_t*, 10> kMediaTypeNames = {L"NCM_NONE",
                                                            L"NCM_DIRECT",
                                                            L"NCM_ISDN",
                                                            L"NCM_LAN",
                                                            L"NCM_PHONE",
                                                            L"NCM_TUNNEL",
                                                            L"NCM_PPPOE",
                                                            L"NCM_BRIDGE",
                                                            L"NCM_SHAREDACCESSHOST_LAN",
                                                            L"NCM_SHAREDACCESSHOST_RAS"};

constexpr std::array<std::pair<uint32_t, const wchar_t*>, 13> kCharacteristicNames = {{
    {0x0, L"NCCF_NONE"},
    {0x1, L"NCCF_ALL_USERS"},
    {0x2, L"NCCF_ALLOW_DUPLICATION"},
    {0x4, L"NCCF_ALLOW_REMOVAL"},
    {0x8, L"NCCF_ALLOW_RENAME"},
    {0x10, L"NCCF_SHOW_ICON"},
    {0x20, L"NCCF_INCOMING_ONLY"},
    {0x40, L"NCCF_OUTGOING_ONLY"},
    {0x80, L"NCCF_BRANDED"},
    {0x100, L"NCCF_SHARED"},
    {0x200, L"NCCF_BRIDGED"},
    {0x400, L"NCCF_FIREWALLED"},
    {0x800, L"NCCF_DEFAULT"},
}};

}  // namespace

std::wstring MediaTypeName(uint32_t mediaType) {
  if (mediaType < kMediaTypeNames.size()) return kMediaTypeNames[mediaType];
  return std::to_wstring(mediaType);
}

std::wstring CharacteristicName(uint32_t characteristic) {
  for (const auto& [value, name] : kCharacteristicNames) {
    if (value == characteristic) return name;
  }
  return std::to_wstring(characteristic);
}
