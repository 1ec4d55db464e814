#pragma once

#include <string_view>

// Whether a connected connection may carry the Internet: not a VirtualBox or VMware host-only
// adapter, not the Mobile Hotspot's Wi-Fi Direct adapter and not the hosted network's own
// adapter (device name, any letter case).
bool OffersAsInternetSide(std::wstring_view deviceName);

// Whether the device is the adapter that hosts the network (the Windows 7 or the Windows 8 and
// later name).
bool IsHostedNetworkAdapter(std::wstring_view deviceName);
