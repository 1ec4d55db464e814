#pragma once

#include <string>
#include <vector>

#include "hotspot/mobile_hotspot_port.h"

// The Mobile Hotspot in memory: scripted answers, the calls recorded one a line
// ("configure <adapter> ssid=<name> passphrase=<key>", "start <adapter>", "stop <adapter>").
class FakeMobileHotspot : public MobileHotspotPort {
 public:
  TetheringCapability InternetCapability() override;
  TetheringState State(std::wstring_view adapterId) override;
  TetheringResult Configure(std::wstring_view adapterId, std::wstring_view ssid,
                            std::wstring_view passphrase) override;
  TetheringResult Start(std::wstring_view adapterId) override;
  TetheringResult Stop(std::wstring_view adapterId) override;

  // As on a system without the classes, so that the hosted network alone decides.
  TetheringCapability capability = TetheringCapability::Unavailable;
  TetheringState state = TetheringState::Off;
  TetheringResult configureResult;
  TetheringResult startResult;
  TetheringResult stopResult;
  // When not empty, every call that changes something raises an AppError with it.
  std::wstring failure;
  std::vector<std::wstring> calls;
  int capabilityQuestions = 0;
};
