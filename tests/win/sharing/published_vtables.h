#pragma once

// Calls through the home-networking interfaces exactly as the Windows SDK headers publish them
// (C vtables of <netcon.h>), so tests can prove that our own declarations put every method at
// the published position. Objects go in and out as plain pointers.

#include <stddef.h>
#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

HRESULT PublishedConnect(void* connection);
HRESULT PublishedDisconnect(void* connection);
HRESULT PublishedDelete(void* connection);
HRESULT PublishedDuplicate(void* connection, const wchar_t* name, void** copy);
HRESULT PublishedGetProperties(void* connection, void** properties);
HRESULT PublishedRename(void* connection, const wchar_t* name);

HRESULT PublishedGetSharingEnabled(void* configuration, short* enabled);
HRESULT PublishedGetSharingConnectionType(void* configuration, int* type);
HRESULT PublishedDisableSharing(void* configuration);
HRESULT PublishedEnableSharing(void* configuration, int type);
HRESULT PublishedGetInternetFirewallEnabled(void* configuration, short* enabled);
HRESULT PublishedDisableInternetFirewall(void* configuration);
HRESULT PublishedEnableInternetFirewall(void* configuration);

HRESULT PublishedGetSharingInstalled(void* manager, short* installed);
HRESULT PublishedGetConfiguration(void* manager, void* connection, void** configuration);
HRESULT PublishedGetEveryConnection(void* manager, void** collection);
HRESULT PublishedGetNewEnum(void* collection, void** enumerator);

// Field offsets of the published NETCON_PROPERTIES, in declaration order, then its size.
size_t PublishedNetconPropertiesLayout(int field);

#ifdef __cplusplus
}
#endif
