#pragma once

#include "hotspot/hosted_network_failure.h"
#include "hotspot/wlan_api.h"

// What the WLAN API's report means for a hosted network that netsh started without a word of
// failure: whether it really runs and, if not, why.
struct StartConfirmation {
  bool started = true;
  HostedNetworkFailure failure = HostedNetworkFailure::None;
};
// Without a usable API netsh's word stands: the network counts as started.
StartConfirmation ConfirmStart(const WlanReport& report);

// Why the hosted network is not running, as far as the report tells (Other when it cannot).
HostedNetworkFailure ExplainFailure(const WlanReport& report);
