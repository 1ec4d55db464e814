#include "hotspot/win32/system_mobile_hotspot_win32.h"

#include "common/text.h"
#include "hotspot/win32/async_wait_win32.h"
#include "sharing/com_error.h"
#include "sharing/guid_text.h"

using namespace winrt_abi;

namespace {

// The adapter's identifier, or empty when the profile has no adapter.
std::wstring AdapterIdOf(IConnectionProfile& profile) {
  ComPtr<INetworkAdapter> adapter;
  if (FAILED(profile.get_NetworkAdapter(adapter.Receive())) || !adapter) return {};
  GUID id{};
  if (FAILED(adapter->get_NetworkAdapterId(&id))) return {};
  return GuidText(id);
}

}  // namespace

SystemMobileHotspot::SystemMobileHotspot(DWORD waitMilliseconds)
    : waitMilliseconds_(waitMilliseconds) {}

template <typename Interface>
ComPtr<Interface> SystemMobileHotspot::Factory(const wchar_t* className, REFIID iid) const {
  ComPtr<Interface> factory;
  OleCheck(runtime_.GetActivationFactory(className, iid, factory.ReceiveVoid()));
  if (!factory) OleCheck(E_NOINTERFACE);
  return factory;
}

ComPtr<IConnectionProfile> SystemMobileHotspot::Profile(std::wstring_view adapterId) const {
  auto information =
      Factory<INetworkInformationStatics>(kNetworkInformationClass, IID_INetworkInformationStatics);
  if (!adapterId.empty()) {
    ComPtr<IConnectionProfileVectorView> profiles;
    OleCheck(information->GetConnectionProfiles(profiles.Receive()));
    UINT32 count = 0;
    if (profiles) OleCheck(profiles->get_Size(&count));
    const std::wstring wanted = LowerAsciiLetters(adapterId);
    for (UINT32 i = 0; i < count; ++i) {
      ComPtr<IConnectionProfile> profile;
      OleCheck(profiles->GetAt(i, profile.Receive()));
      if (profile && LowerAsciiLetters(AdapterIdOf(*profile)) == wanted) return profile;
    }
  }
  ComPtr<IConnectionProfile> internet;
  OleCheck(information->GetInternetConnectionProfile(internet.Receive()));
  return internet;
}

ComPtr<INetworkOperatorTetheringManager> SystemMobileHotspot::Manager(
    std::wstring_view adapterId) const {
  ComPtr<IConnectionProfile> profile = Profile(adapterId);
  if (!profile) OleCheck(HRESULT_FROM_WIN32(ERROR_NOT_FOUND));
  auto statics = Factory<INetworkOperatorTetheringManagerStatics2>(
      kTetheringManagerClass, IID_INetworkOperatorTetheringManagerStatics2);
  ComPtr<INetworkOperatorTetheringManager> manager;
  OleCheck(statics->CreateFromConnectionProfile(profile.Get(), manager.Receive()));
  if (!manager) OleCheck(E_NOINTERFACE);
  return manager;
}

TetheringCapability SystemMobileHotspot::InternetCapability() {
  try {
    ComPtr<IConnectionProfile> profile = Profile(L"");
    if (!profile) return TetheringCapability::Unavailable;
    auto statics = Factory<INetworkOperatorTetheringManagerStatics2>(
        kTetheringManagerClass, IID_INetworkOperatorTetheringManagerStatics2);
    int32_t capability = 0;
    OleCheck(statics->GetTetheringCapabilityFromConnectionProfile(profile.Get(), &capability));
    return static_cast<TetheringCapability>(capability);
  } catch (const AppError&) {
    return TetheringCapability::Unavailable;
  }
}

TetheringState SystemMobileHotspot::State(std::wstring_view adapterId) {
  try {
    int32_t state = 0;
    OleCheck(Manager(adapterId)->get_TetheringOperationalState(&state));
    return static_cast<TetheringState>(state);
  } catch (const AppError&) {
    return TetheringState::Unknown;
  }
}

TetheringResult SystemMobileHotspot::Configure(std::wstring_view adapterId, std::wstring_view ssid,
                                               std::wstring_view passphrase) {
  ComPtr<INetworkOperatorTetheringManager> manager = Manager(adapterId);
  ComPtr<INetworkOperatorTetheringAccessPointConfiguration> configuration;
  OleCheck(manager->GetCurrentAccessPointConfiguration(configuration.Receive()));
  if (!configuration) OleCheck(E_NOINTERFACE);
  RuntimeString name(runtime_, ssid);
  RuntimeString key(runtime_, passphrase);
  OleCheck(configuration->put_Ssid(name.Get()));
  OleCheck(configuration->put_Passphrase(key.Get()));
  ComPtr<IAsyncAction> action;
  OleCheck(manager->ConfigureAccessPointAsync(configuration.Get(), action.Receive()));
  if (!action) OleCheck(E_NOINTERFACE);
  TetheringResult result;
  if (!WaitForAction(*action, waitMilliseconds_)) {
    result.timedOut = true;
    return result;
  }
  CheckEnded(*action);
  OleCheck(action->GetResults());
  return result;
}

TetheringResult SystemMobileHotspot::Start(std::wstring_view adapterId) {
  return Run(adapterId, true);
}

TetheringResult SystemMobileHotspot::Stop(std::wstring_view adapterId) {
  return Run(adapterId, false);
}

TetheringResult SystemMobileHotspot::Run(std::wstring_view adapterId, bool start) {
  ComPtr<INetworkOperatorTetheringManager> manager = Manager(adapterId);
  ComPtr<ITetheringResultOperation> operation;
  OleCheck(start ? manager->StartTetheringAsync(operation.Receive())
                 : manager->StopTetheringAsync(operation.Receive()));
  if (!operation) OleCheck(E_NOINTERFACE);
  TetheringResult result;
  if (!WaitForOperation(*operation, waitMilliseconds_)) {
    result.timedOut = true;
    return result;
  }
  CheckEnded(*operation);
  ComPtr<INetworkOperatorTetheringOperationResult> outcome;
  OleCheck(operation->GetResults(outcome.Receive()));
  if (!outcome) OleCheck(E_NOINTERFACE);
  int32_t status = 0;
  OleCheck(outcome->get_Status(&status));
  result.status = status;
  RuntimeString message(runtime_);
  OleCheck(outcome->get_AdditionalErrorMessage(message.Receive()));
  result.additionalErrorMessage = message.Text();
  return result;
}
