#pragma once

// The few parts of wlanapi.dll this program uses, declared as the DLL defines them (every
// routine WINAPI), so that the program and the tests' stand-in DLL share one layout.

#include <windows.h>

inline constexpr DWORD kWlanClientVersion = 2;  // Windows Vista and later

struct WlanInterfaceInfo {
  GUID interfaceGuid;
  WCHAR description[256];
  DWORD state;
};

struct WlanInterfaceInfoList {
  DWORD numberOfItems;
  DWORD index;
  WlanInterfaceInfo items[1];
};

struct WlanHostedNetworkPeerState {
  UCHAR macAddress[6];
  DWORD authState;
};

struct WlanHostedNetworkStatus {
  DWORD hostedNetworkState;  // 0 unavailable, 1 idle, 2 active
  GUID ipDeviceId;
  UCHAR hostedNetworkAddress[6];
  DWORD phyType;
  ULONG channelFrequency;
  DWORD numberOfPeers;
  WlanHostedNetworkPeerState peers[1];
};

using WlanOpenHandleFn = DWORD(WINAPI*)(DWORD clientVersion, void* reserved,
                                        DWORD* negotiatedVersion, HANDLE* clientHandle);
using WlanCloseHandleFn = DWORD(WINAPI*)(HANDLE clientHandle, void* reserved);
using WlanEnumInterfacesFn = DWORD(WINAPI*)(HANDLE clientHandle, void* reserved,
                                            WlanInterfaceInfoList** interfaces);
using WlanHostedNetworkQueryStatusFn = DWORD(WINAPI*)(HANDLE clientHandle,
                                                      WlanHostedNetworkStatus** status,
                                                      void* reserved);
using WlanFreeMemoryFn = void(WINAPI*)(void* memory);
