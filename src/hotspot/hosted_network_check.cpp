#include "hotspot/hosted_network_check.h"

StartConfirmation ConfirmStart(const WlanReport& report) {
  if (report.answer == WlanReport::Answer::None) return {};
  if (report.answer == WlanReport::Answer::Answered && report.hasInterface &&
      report.state == WlanHostedNetworkState::Active) {
    return {};
  }
  return {false, ExplainFailure(report)};
}

HostedNetworkFailure ExplainFailure(const WlanReport& report) {
  switch (report.answer) {
    case WlanReport::Answer::ServiceNotRunning:
      return HostedNetworkFailure::ServiceNotRunning;
    case WlanReport::Answer::Answered:
      if (!report.hasInterface) return HostedNetworkFailure::NoWirelessAdapter;
      if (report.state == WlanHostedNetworkState::Unavailable) {
        return HostedNetworkFailure::DriverHasNoHostedNetwork;
      }
      return HostedNetworkFailure::Other;
    case WlanReport::Answer::None:
      break;
  }
  return HostedNetworkFailure::Other;
}
