#include "shell/hosted_network.h"

#include "common/text.h"
#include "hotspot/hosted_network_check.h"

namespace {

constexpr wchar_t kStopCommand[] = L"netsh wlan stop hostednetwork";
constexpr wchar_t kDisallowCommand[] = L"netsh wlan set hostednetwork mode=disallow";
constexpr wchar_t kStartCommand[] = L"netsh wlan start hostednetwork";

}  // namespace

std::wstring NetshValue(std::wstring_view value) {
  if (value.find_first_of(L" \t") == std::wstring_view::npos) return std::wstring(value);
  return L"\"" + std::wstring(value) + L"\"";
}

std::wstring AllowCommandLine(std::wstring_view networkName, std::wstring_view key) {
  return L"netsh wlan set hostednetwork mode=allow ssid=" + NetshValue(networkName) +
         L" key=" + NetshValue(key);
}

int ControlHostedNetwork(CommandRunner& runner, const SystemFacts& system,
                         std::wstring_view networkName, std::wstring_view key, bool stop,
                         WlanApi* wlan, HostedNetworkFailure* failure) {
  HostedNetworkFailure unused = HostedNetworkFailure::None;
  HostedNetworkFailure& reason = failure ? *failure : unused;
  reason = HostedNetworkFailure::None;
  // The system's own netsh by its full path: an elevated program must never run a netsh.exe
  // that someone put beside it.
  const std::wstring netsh = system.SystemDirectory() + L"\\netsh.exe";
  const std::wstring directory = system.ApplicationDirectory();
  std::wstring output;
  const auto run = [&](std::wstring_view commandLine) {
    return runner.Run(netsh, commandLine, directory, output);
  };
  if (stop) {
    if (!run(kStopCommand)) return kHostedNetworkCommandFailed;
    return run(kDisallowCommand) ? 0 : kHostedNetworkCommandFailed;
  }

  if (!system.IsVistaOrLater()) return kHostedNetworkOldSystem;
  run(kStopCommand);
  run(kDisallowCommand);
  if (!run(AllowCommandLine(networkName, key))) return kHostedNetworkCommandFailed;
  if (LowerAsciiLetters(output).find(kNotRunningMarker) != std::wstring::npos) {
    reason = HostedNetworkFailure::ServiceNotRunning;
    return kHostedNetworkUnavailable;
  }
  if (!run(kStartCommand)) return kHostedNetworkCommandFailed;

  const WlanReport report = wlan ? wlan->QueryHostedNetwork() : WlanReport{};
  if (output.find(kCouldNotStartMarker) != std::wstring::npos) {
    reason = ExplainFailure(report);
    return kHostedNetworkUnavailable;
  }
  const StartConfirmation confirmation = ConfirmStart(report);
  if (confirmation.started) return kHostedNetworkReady;
  reason = confirmation.failure;
  return kHostedNetworkUnavailable;
}
