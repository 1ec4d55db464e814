#define COBJMACROS
#include <windows.h>

#include <netcon.h>

#include "win/sharing/published_vtables.h"

HRESULT PublishedConnect(void* c) { return INetConnection_Connect((INetConnection*)c); }
HRESULT PublishedDisconnect(void* c) { return INetConnection_Disconnect((INetConnection*)c); }
HRESULT PublishedDelete(void* c) { return INetConnection_Delete((INetConnection*)c); }
HRESULT PublishedDuplicate(void* c, const wchar_t* name, void** copy) {
  return INetConnection_Duplicate((INetConnection*)c, name, (INetConnection**)copy);
}
HRESULT PublishedGetProperties(void* c, void** properties) {
  return INetConnection_GetProperties((INetConnection*)c, (NETCON_PROPERTIES**)properties);
}
HRESULT PublishedRename(void* c, const wchar_t* name) {
  return INetConnection_Rename((INetConnection*)c, name);
}

HRESULT PublishedGetSharingEnabled(void* s, short* enabled) {
  return INetSharingConfiguration_get_SharingEnabled((INetSharingConfiguration*)s, enabled);
}
HRESULT PublishedGetSharingConnectionType(void* s, int* type) {
  SHARINGCONNECTIONTYPE value = 0;
  const HRESULT result =
      INetSharingConfiguration_get_SharingConnectionType((INetSharingConfiguration*)s, &value);
  *type = (int)value;
  return result;
}
HRESULT PublishedDisableSharing(void* s) {
  return INetSharingConfiguration_DisableSharing((INetSharingConfiguration*)s);
}
HRESULT PublishedEnableSharing(void* s, int type) {
  return INetSharingConfiguration_EnableSharing((INetSharingConfiguration*)s,
                                                (SHARINGCONNECTIONTYPE)type);
}
HRESULT PublishedGetInternetFirewallEnabled(void* s, short* enabled) {
  return INetSharingConfiguration_get_InternetFirewallEnabled((INetSharingConfiguration*)s,
                                                              enabled);
}
HRESULT PublishedDisableInternetFirewall(void* s) {
  return INetSharingConfiguration_DisableInternetFirewall((INetSharingConfiguration*)s);
}
HRESULT PublishedEnableInternetFirewall(void* s) {
  return INetSharingConfiguration_EnableInternetFirewall((INetSharingConfiguration*)s);
}

HRESULT PublishedGetSharingInstalled(void* m, short* installed) {
  return INetSharingManager_get_SharingInstalled((INetSharingManager*)m, installed);
}
HRESULT PublishedGetConfiguration(void* m, void* c, void** s) {
  return INetSharingManager_get_INetSharingConfigurationForINetConnection(
      (INetSharingManager*)m, (INetConnection*)c, (INetSharingConfiguration**)s);
}
HRESULT PublishedGetEveryConnection(void* m, void** collection) {
  return INetSharingManager_get_EnumEveryConnection(
      (INetSharingManager*)m, (INetSharingEveryConnectionCollection**)collection);
}
HRESULT PublishedGetNewEnum(void* collection, void** enumerator) {
  return INetSharingEveryConnectionCollection_get__NewEnum(
      (INetSharingEveryConnectionCollection*)collection, (IUnknown**)enumerator);
}

size_t PublishedNetconPropertiesLayout(int field) {
  switch (field) {
    case 0: return offsetof(NETCON_PROPERTIES, guidId);
    case 1: return offsetof(NETCON_PROPERTIES, pszwName);
    case 2: return offsetof(NETCON_PROPERTIES, pszwDeviceName);
    case 3: return offsetof(NETCON_PROPERTIES, Status);
    case 4: return offsetof(NETCON_PROPERTIES, MediaType);
    case 5: return offsetof(NETCON_PROPERTIES, dwCharacter);
    case 6: return offsetof(NETCON_PROPERTIES, clsidThisObject);
    case 7: return offsetof(NETCON_PROPERTIES, clsidUiObject);
    default: return sizeof(NETCON_PROPERTIES);
  }
}
