#pragma once

#include "hotspot/wlan_api.h"

// The system's WLAN API, from wlanapi.dll in the system folder, loaded for each query and
// freed after it.
class WindowsWlanApi : public WlanApi {
 public:
  WlanReport QueryHostedNetwork() override;
};
