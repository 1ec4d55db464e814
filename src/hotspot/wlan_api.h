#pragma once

// The WLAN API's view of the hosted network: the one fact that netsh's wording, which differs
// with the display language, cannot be trusted for.

// The states of the hosted network, numbered as the API numbers them.
enum class WlanHostedNetworkState { Unavailable = 0, Idle = 1, Active = 2 };

struct WlanReport {
  enum class Answer {
    None,               // no usable API: the library, a routine or the session is missing
    ServiceNotRunning,  // the WLAN AutoConfig service is stopped
    Answered,
  };
  Answer answer = Answer::None;
  // When answered:
  bool hasInterface = false;
  WlanHostedNetworkState state = WlanHostedNetworkState::Unavailable;  // with an interface
};

class WlanApi {
 public:
  virtual ~WlanApi() = default;
  virtual WlanReport QueryHostedNetwork() = 0;
};
