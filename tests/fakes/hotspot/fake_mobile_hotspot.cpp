#include "fakes/hotspot/fake_mobile_hotspot.h"

#include "common/app_error.h"

TetheringCapability FakeMobileHotspot::InternetCapability() {
  ++capabilityQuestions;
  return capability;
}

TetheringState FakeMobileHotspot::State(std::wstring_view) { return state; }

TetheringResult FakeMobileHotspot::Configure(std::wstring_view adapterId, std::wstring_view ssid,
                                             std::wstring_view passphrase) {
  calls.push_back(L"configure " + std::wstring(adapterId) + L" ssid=" + std::wstring(ssid) +
                  L" passphrase=" + std::wstring(passphrase));
  if (!failure.empty()) throw AppError(failure);
  return configureResult;
}

TetheringResult FakeMobileHotspot::Start(std::wstring_view adapterId) {
  calls.push_back(L"start " + std::wstring(adapterId));
  if (!failure.empty()) throw AppError(failure);
  if (!startResult.timedOut && startResult.status == tethering_status::kSuccess) {
    state = TetheringState::On;
  }
  return startResult;
}

TetheringResult FakeMobileHotspot::Stop(std::wstring_view adapterId) {
  calls.push_back(L"stop " + std::wstring(adapterId));
  if (!failure.empty()) throw AppError(failure);
  if (!stopResult.timedOut && stopResult.status == tethering_status::kSuccess) {
    state = TetheringState::Off;
  }
  return stopResult;
}
