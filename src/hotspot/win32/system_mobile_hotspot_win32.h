#pragma once

#include "hotspot/mobile_hotspot_port.h"
#include "hotspot/win32/tethering_interfaces.h"
#include "hotspot/win32/windows_runtime_win32.h"
#include "sharing/com_ptr.h"

// How long one operation of the Mobile Hotspot may take.
inline constexpr DWORD kTetheringWaitMilliseconds = 30000;

// The Mobile Hotspot through the Windows Runtime classes of the system, on the window's thread.
class SystemMobileHotspot : public MobileHotspotPort {
 public:
  explicit SystemMobileHotspot(DWORD waitMilliseconds = kTetheringWaitMilliseconds);

  TetheringCapability InternetCapability() override;
  TetheringState State(std::wstring_view adapterId) override;
  TetheringResult Configure(std::wstring_view adapterId, std::wstring_view ssid,
                            std::wstring_view passphrase) override;
  TetheringResult Start(std::wstring_view adapterId) override;
  TetheringResult Stop(std::wstring_view adapterId) override;

 private:
  template <typename Interface>
  ComPtr<Interface> Factory(const wchar_t* className, REFIID iid) const;
  ComPtr<winrt_abi::IConnectionProfile> Profile(std::wstring_view adapterId) const;
  ComPtr<winrt_abi::INetworkOperatorTetheringManager> Manager(std::wstring_view adapterId) const;
  TetheringResult Run(std::wstring_view adapterId, bool start);

  WindowsRuntime runtime_;
  DWORD waitMilliseconds_;
};
