#include "sharing/nt_firewall.h"

#include "common/app_error.h"
#include "sharing/RpcConstants.h"
#include "sharing/com_error.h"
#include "sharing/com_query.h"
#include "sharing/netcon_properties_block.h"
#include "sharing/variant_holder.h"

TNTFirewall::TNTFirewall(SharingPlatform& platform) : FPlatform(platform) {
  FPlatform.InitThreadComSecurity();
  FConnections = std::make_unique<TNTNetConnectionList>(*this);
}

TNTFirewall::~TNTFirewall() {
  FConnections.reset();
  FNetSharingManager.Reset();
}

ComPtr<INetSharingManager> TNTFirewall::GetSharingManager() {
  if (!FNetSharingManager) {
    // A failed creation is no error: the field stays empty and the next need tries again.
    FPlatform.CoCreateInstance(CLSID_NetSharingManager, nullptr, RpcConstants::kClsctxInprocServer,
                               IID_INetSharingManager, FNetSharingManager.ReceiveVoid());
  }
  return FNetSharingManager;
}

ComPtr<IEnumVARIANT> TNTFirewall::GetConnectionEnumerator() {
  const ComPtr<INetSharingManager> manager = GetSharingManager();
  ComPtr<INetSharingEveryConnectionCollection> collection;
  OleCheck(manager->get_EnumEveryConnection(collection.Receive()));
  if (!collection) throw AppError(kInterfaceNotSupported);
  ComPtr<IUnknown> enumerator;
  OleCheck(collection->get__NewEnum(enumerator.Receive()));
  return QueryInterfaceOrRaise<IEnumVARIANT>(enumerator.Get(), IID_IEnumVARIANT);
}

ComPtr<INetSharingConfiguration> TNTFirewall::SharingConfigurationFor(INetConnection& connection) {
  ComPtr<INetSharingConfiguration> configuration;
  const ComPtr<INetSharingManager> manager = GetSharingManager();
  if (!manager) return configuration;
  if (manager->get_INetSharingConfigurationForINetConnection(&connection,
                                                             configuration.Receive()) != S_OK) {
    configuration.Reset();
  }
  return configuration;
}

void TNTFirewall::ForEachConnection(const std::function<void(ComPtr<INetConnection>)>& visit) {
  const ComPtr<IEnumVARIANT> enumerator = GetConnectionEnumerator();
  VariantHolder item;
  ULONG fetched = 0;
  // S_FALSE and failures alike end the enumeration.
  while (enumerator->Next(1, item.Receive(), &fetched) == S_OK) {
    ComPtr<INetConnection> connection =
        QueryInterfaceOrRaise<INetConnection>(item.Interface(), IID_INetConnection);
    item.Clear();
    visit(std::move(connection));
  }
}

TNTNetConnectionList& TNTFirewall::Connections() {
  if (FConnections->Count() > 0) return *FConnections;
  if (!GetSharingManager()) return *FConnections;
  try {
    ForEachConnection([this](ComPtr<INetConnection> connection) {
      ComPtr<INetSharingConfiguration> configuration = SharingConfigurationFor(*connection);
      FConnections->Add(std::move(connection), std::move(configuration));
    });
  } catch (...) {
    // A list kept part-way would never be enumerated again: the next read starts afresh.
    FConnections->Clear();
    throw;
  }
  return *FConnections;
}

bool TNTFirewall::ConnectionSharingInstalled() {
  const ComPtr<INetSharingManager> manager = GetSharingManager();
  if (!manager) return false;
  VARIANT_BOOL installed = 0;
  OleCheck(manager->get_SharingInstalled(&installed));
  return installed != 0;
}

void TNTFirewall::CheckNoPublicSharing() {
  if (!GetSharingManager()) return;
  ForEachConnection([this](ComPtr<INetConnection> connection) {
    const ComPtr<INetSharingConfiguration> configuration = SharingConfigurationFor(*connection);
    if (!configuration) return;
    VARIANT_BOOL enabled = 0;
    OleCheck(configuration->get_SharingEnabled(&enabled));
    SHARINGCONNECTIONTYPE type = kSharingTypeNone;
    OleCheck(configuration->get_SharingConnectionType(&type));
    if (enabled == 0 || type != ICSSHARINGTYPE_PUBLIC) return;
    NetconPropertiesBlock properties(*connection, FPlatform);
    const std::wstring message =
        L"Public shared connection already exists: " + PropertyText(properties->pszwName);
    properties.Free();
    throw AppError(message);
  });
}

std::wstring TNTFirewall::LocalComputer() {
  constexpr DWORD kCapacity = 256;
  wchar_t buffer[kCapacity] = {};
  DWORD size = kCapacity;
  if (!FPlatform.GetComputerNameW(buffer, &size)) throw AppError(L"ERROR!");
  buffer[kCapacity - 1] = L'\0';  // a text up to its first NUL, never past the buffer
  return buffer;
}

void TNTFirewall::Refresh() { FConnections->Clear(); }
