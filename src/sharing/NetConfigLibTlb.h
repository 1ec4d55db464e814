#pragma once

// The home-networking configuration interfaces the sharing component talks to, declared with
// the published identifiers and method order (the vtable is the contract). Methods this
// program never calls are declared only to keep the later ones at their positions.

#include <cstdint>

#include "common/stdcall_check.h"

#ifdef _WIN32
#include <windows.h>

#include <oaidl.h>
#include <objbase.h>
#else
#include "sharing/com_compat.h"
#endif

inline constexpr CLSID CLSID_NetSharingManager = {
    0x5C63C1AD, 0x3956, 0x4FF8, {0x84, 0x86, 0x40, 0x03, 0x47, 0x58, 0x31, 0x5B}};
inline constexpr IID IID_INetSharingManager = {
    0xC08956B7, 0x1CD3, 0x11D1, {0xB1, 0xC5, 0x00, 0x80, 0x5F, 0xC1, 0x27, 0x0E}};
inline constexpr IID IID_INetConnection = {
    0xC08956A1, 0x1CD3, 0x11D1, {0xB1, 0xC5, 0x00, 0x80, 0x5F, 0xC1, 0x27, 0x0E}};
inline constexpr IID IID_INetSharingConfiguration = {
    0xC08956B6, 0x1CD3, 0x11D1, {0xB1, 0xC5, 0x00, 0x80, 0x5F, 0xC1, 0x27, 0x0E}};

// The component's own name for "not shared" / "switch sharing off".
inline constexpr uint32_t kSharingTypeNone = 0xFFFFFFFFu;
inline constexpr uint32_t ICSSHARINGTYPE_PUBLIC = 0;
inline constexpr uint32_t ICSSHARINGTYPE_PRIVATE = 1;
using SHARINGCONNECTIONTYPE = uint32_t;

using NETCON_STATUS = uint32_t;
inline constexpr NETCON_STATUS NCS_DISCONNECTED = 0;
inline constexpr NETCON_STATUS NCS_CONNECTED = 2;

using NETCON_MEDIATYPE = uint32_t;
inline constexpr uint32_t NCCF_INCOMING_ONLY = 0x20;

struct NETCON_PROPERTIES {
  GUID guidId;
  LPWSTR pszwName;
  LPWSTR pszwDeviceName;
  NETCON_STATUS Status;
  NETCON_MEDIATYPE MediaType;
  DWORD dwCharacter;
  CLSID clsidThisObject;
  CLSID clsidUiObject;
};

struct INetConnection : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE Connect() = 0;
  virtual HRESULT STDMETHODCALLTYPE Disconnect() = 0;
  virtual HRESULT STDMETHODCALLTYPE Delete() = 0;
  virtual HRESULT STDMETHODCALLTYPE Duplicate(LPCWSTR newName, INetConnection** copy) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetProperties(NETCON_PROPERTIES** properties) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetUiObjectClassId(CLSID* classId) = 0;  // not called
  virtual HRESULT STDMETHODCALLTYPE Rename(LPCWSTR newName) = 0;
};

struct INetSharingConfiguration : IDispatch {
  virtual HRESULT STDMETHODCALLTYPE get_SharingEnabled(VARIANT_BOOL* enabled) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_SharingConnectionType(SHARINGCONNECTIONTYPE* type) = 0;
  virtual HRESULT STDMETHODCALLTYPE DisableSharing() = 0;
  virtual HRESULT STDMETHODCALLTYPE EnableSharing(SHARINGCONNECTIONTYPE type) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_InternetFirewallEnabled(VARIANT_BOOL* enabled) = 0;
  virtual HRESULT STDMETHODCALLTYPE DisableInternetFirewall() = 0;
  virtual HRESULT STDMETHODCALLTYPE EnableInternetFirewall() = 0;
  // Port mappings: not called.
  virtual HRESULT STDMETHODCALLTYPE get_EnumPortMappings(uint32_t flags, IDispatch** mappings) = 0;
  virtual HRESULT STDMETHODCALLTYPE AddPortMapping(BSTR name, UCHAR protocol, USHORT externalPort,
                                                   USHORT internalPort, DWORD options,
                                                   BSTR targetNameOrAddress, uint32_t targetType,
                                                   IDispatch** mapping) = 0;
  virtual HRESULT STDMETHODCALLTYPE RemovePortMapping(IDispatch* mapping) = 0;
};

struct INetSharingEveryConnectionCollection : IDispatch {
  virtual HRESULT STDMETHODCALLTYPE get__NewEnum(IUnknown** enumerator) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Count(LONG* count) = 0;  // not called
};

struct INetSharingManager : IDispatch {
  virtual HRESULT STDMETHODCALLTYPE get_SharingInstalled(VARIANT_BOOL* installed) = 0;
  // Public and private connection collections: not called.
  virtual HRESULT STDMETHODCALLTYPE get_EnumPublicConnections(uint32_t flags,
                                                              IDispatch** connections) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_EnumPrivateConnections(uint32_t flags,
                                                               IDispatch** connections) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_INetSharingConfigurationForINetConnection(
      INetConnection* connection, INetSharingConfiguration** configuration) = 0;
  virtual HRESULT STDMETHODCALLTYPE
  get_EnumEveryConnection(INetSharingEveryConnectionCollection** connections) = 0;
  virtual HRESULT STDMETHODCALLTYPE
  get_NetConnectionProps(INetConnection* connection,
                         IDispatch** properties) = 0;  // not called
};

static_assert(
    AllStdcall<&INetConnection::Connect, &INetConnection::Disconnect, &INetConnection::Delete,
               &INetConnection::Duplicate, &INetConnection::GetProperties,
               &INetConnection::GetUiObjectClassId, &INetConnection::Rename>);
static_assert(
    AllStdcall<&INetSharingConfiguration::get_SharingEnabled,
               &INetSharingConfiguration::get_SharingConnectionType,
               &INetSharingConfiguration::DisableSharing, &INetSharingConfiguration::EnableSharing,
               &INetSharingConfiguration::get_InternetFirewallEnabled,
               &INetSharingConfiguration::DisableInternetFirewall,
               &INetSharingConfiguration::EnableInternetFirewall,
               &INetSharingConfiguration::get_EnumPortMappings,
               &INetSharingConfiguration::AddPortMapping,
               &INetSharingConfiguration::RemovePortMapping>);
static_assert(AllStdcall<&INetSharingEveryConnectionCollection::get__NewEnum,
                         &INetSharingEveryConnectionCollection::get_Count>);
static_assert(
    AllStdcall<
        &INetSharingManager::get_SharingInstalled, &INetSharingManager::get_EnumPublicConnections,
        &INetSharingManager::get_EnumPrivateConnections,
        &INetSharingManager::get_INetSharingConfigurationForINetConnection,
        &INetSharingManager::get_EnumEveryConnection, &INetSharingManager::get_NetConnectionProps>);
