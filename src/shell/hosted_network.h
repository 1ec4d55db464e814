#pragma once

#include <string>
#include <string_view>

#include "hotspot/hosted_network_failure.h"
#include "hotspot/wlan_api.h"
#include "shell/command_runner.h"
#include "shell/system_facts.h"

// Results of preparing and starting the hosted network.
enum HostedNetworkResult : int {
  kHostedNetworkReady = 0,
  kHostedNetworkUnavailable = 1,  // no usable wireless adapter, or the network would not start
  kHostedNetworkOldSystem = 2,    // operating system older than major version 6
  kHostedNetworkCommandFailed = -1,
};

inline constexpr wchar_t kNotRunningMarker[] = L"没有运行";
inline constexpr wchar_t kCouldNotStartMarker[] = L"无法启动承载网络";

// A name or key as netsh reads it: in double quotes when it holds a space or a tab, so that
// it stays one word; otherwise unchanged.
std::wstring NetshValue(std::wstring_view value);

// The allow command line for a network name and key.
std::wstring AllowCommandLine(std::wstring_view networkName, std::wstring_view key);

// Prepares and starts the hosted network (stop = false) or stops and disallows it (stop = true).
// netsh words its messages in the display language, so where it printed no failure marker the
// WLAN API (when there is a usable one) confirms that the network runs. For result 1 `failure`
// receives the reason; otherwise None.
int ControlHostedNetwork(CommandRunner& runner, const SystemFacts& system,
                         std::wstring_view networkName, std::wstring_view key, bool stop,
                         WlanApi* wlan = nullptr, HostedNetworkFailure* failure = nullptr);
