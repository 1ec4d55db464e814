#pragma once

// Why the hosted network could not be made ready; kept beside the result code 1.
enum class HostedNetworkFailure {
  None,  // no failure to explain (any result other than 1)
  ServiceNotRunning,
  NoWirelessAdapter,
  DriverHasNoHostedNetwork,  // a wireless adapter whose driver offers no hosted network
  Other,
};
