#include "sharing/nt_net_connection.h"

#include "common/app_error.h"
#include "sharing/com_error.h"
#include "sharing/guid_text.h"
#include "sharing/name_tables.h"
#include "sharing/netcon_properties_block.h"
#include "sharing/nt_firewall.h"
#include "sharing/nt_net_connection_list.h"

namespace {
constexpr uint32_t kFirstShareableMediaType = 1;  // NCM_DIRECT
constexpr uint32_t kLastShareableMediaType = 6;   // NCM_PPPOE
}  // namespace

TNTNetConnection::TNTNetConnection(TNTNetConnectionList& list, ComPtr<INetConnection> connection,
                                   ComPtr<INetSharingConfiguration> sharingConfiguration)
    : FList(list),
      FConnection(std::move(connection)),
      FSharingConfiguration(std::move(sharingConfiguration)) {}

TNTNetConnection::~TNTNetConnection() {
  FConnection.Reset();
  FSharingConfiguration.Reset();
}

std::wstring TNTNetConnection::DisplayName() const {
  if (!FConnection) return L"Adding or deleting connections here is not supported";
  return FName;
}

bool TNTNetConnection::ReadConfigurationFlag(
    const std::function<HRESULT(INetSharingConfiguration&, VARIANT_BOOL*)>& read) {
  if (!FSharingConfiguration) return false;
  VARIANT_BOOL value = 0;
  OleCheck(read(*FSharingConfiguration, &value));
  return value != 0;
}

int TNTNetConnection::Index() const { return FList.IndexOf(*this); }

void TNTNetConnection::Refresh() {
  if (!FConnection) return;
  NetconPropertiesBlock properties(*FConnection, FList.Owner().Platform());
  FName = PropertyText(properties->pszwName);
  FDeviceName = PropertyText(properties->pszwDeviceName);
  FCharacteristics = properties->dwCharacter;
  FClassId = GuidText(properties->clsidThisObject);
  FUIClassId = GuidText(properties->clsidUiObject);
  FMediaType = properties->MediaType;
  FGuidId = GuidText(properties->guidId);
  properties.Free();
}

uint32_t TNTNetConnection::Status() {
  if (!FConnection) return NCS_DISCONNECTED;
  NetconPropertiesBlock properties(*FConnection, FList.Owner().Platform());
  const uint32_t status = properties->Status;
  properties.Free();
  return status;
}

bool TNTNetConnection::SharingEnabled() {
  return ReadConfigurationFlag([](INetSharingConfiguration& configuration, VARIANT_BOOL* enabled) {
    return configuration.get_SharingEnabled(enabled);
  });
}

void TNTNetConnection::SetSharingEnabled(bool enabled) {
  if (enabled == SharingEnabled()) return;
  EnableSharing(enabled ? ICSSHARINGTYPE_PUBLIC : kSharingTypeNone);
}

uint32_t TNTNetConnection::SharingConnectionType() {
  if (!SharingEnabled()) return kSharingTypeNone;
  SHARINGCONNECTIONTYPE type = kSharingTypeNone;
  OleCheck(FSharingConfiguration->get_SharingConnectionType(&type));
  return type;
}

void TNTNetConnection::SetSharingConnectionType(uint32_t sharingType) {
  if (sharingType != SharingConnectionType()) EnableSharing(sharingType);
}

bool TNTNetConnection::FirewallEnabled() {
  return ReadConfigurationFlag([](INetSharingConfiguration& configuration, VARIANT_BOOL* enabled) {
    return configuration.get_InternetFirewallEnabled(enabled);
  });
}

void TNTNetConnection::SetFirewallEnabled(bool enabled) {
  if (!FSharingConfiguration || enabled == FirewallEnabled()) return;
  OleCheck(enabled ? FSharingConfiguration->EnableInternetFirewall()
                   : FSharingConfiguration->DisableInternetFirewall());
}

void TNTNetConnection::CheckCanShare() const {
  if (FMediaType < kFirstShareableMediaType || FMediaType > kLastShareableMediaType) {
    throw AppError(L"Connection with media type " + MediaTypeName(FMediaType) +
                   L" cannot be shared");
  }
  if (FCharacteristics & NCCF_INCOMING_ONLY) {
    throw AppError(L"Cannot share connection with " + CharacteristicName(NCCF_INCOMING_ONLY) +
                   L" flag");
  }
}

void TNTNetConnection::EnableSharing(uint32_t ASharingType) {
  if (ASharingType != kSharingTypeNone) CheckCanShare();
  if (!FSharingConfiguration) return;
  if (ASharingType == kSharingTypeNone) {
    OleCheck(FSharingConfiguration->DisableSharing());
    return;
  }
  if (ASharingType == ICSSHARINGTYPE_PUBLIC) FList.Owner().CheckNoPublicSharing();
  OleCheck(FSharingConfiguration->EnableSharing(ASharingType));
}

void TNTNetConnection::Connect() {
  if (FConnection) OleCheck(FConnection->Connect());
}

void TNTNetConnection::Disconnect() {
  if (FConnection) OleCheck(FConnection->Disconnect());
}

void TNTNetConnection::Rename(const std::wstring& ANewName) {
  if (FConnection) OleCheck(FConnection->Rename(ANewName.c_str()));
}

TNTNetConnection* TNTNetConnection::Duplicate(const std::wstring& ANewName) {
  if (!FConnection) return nullptr;
  ComPtr<INetConnection> copy;
  OleCheck(FConnection->Duplicate(ANewName.c_str(), copy.Receive()));
  // A success without a copy leaves nothing to list.
  if (!copy) return nullptr;
  ComPtr<INetSharingConfiguration> configuration = FList.Owner().SharingConfigurationFor(*copy);
  return &FList.Add(std::move(copy), std::move(configuration));
}

void TNTNetConnection::Delete() {
  if (FConnection) OleCheck(FConnection->Delete());
  FConnection.Reset();
  // Destroys this object: nothing may touch it after this line.
  FList.Delete(Index());
}
