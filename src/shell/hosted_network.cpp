#include "shell/hosted_network.h"

#include "common/text.h"

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
                         std::wstring_view networkName, std::wstring_view key, bool stop) {
  const std::wstring directory = system.ApplicationDirectory();
  std::wstring output;
  if (stop) {
    if (!runner.Run(kStopCommand, directory, output)) return kHostedNetworkCommandFailed;
    return runner.Run(kDisallowCommand, directory, output) ? 0 : kHostedNetworkCommandFailed;
  }

  if (!system.IsVistaOrLater()) return kHostedNetworkOldSystem;
  runner.Run(kStopCommand, directory, output);
  runner.Run(kDisallowCommand, directory, output);
  if (!runner.Run(AllowCommandLine(networkName, key), directory, output)) {
    return kHostedNetworkCommandFailed;
  }
  if (LowerAsciiLetters(output).find(kNotRunningMarker) != std::wstring::npos) {
    return kHostedNetworkUnavailable;
  }
  if (!runner.Run(kStartCommand, directory, output)) return kHostedNetworkCommandFailed;
  if (output.find(kCouldNotStartMarker) != std::wstring::npos) return kHostedNetworkUnavailable;
  return kHostedNetworkReady;
}
