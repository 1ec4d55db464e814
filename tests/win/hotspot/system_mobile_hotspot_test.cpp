// The Mobile Hotspot component on Wine's own combase, against the fake Windows Runtime server
// registered for the test prefix: activation, vtables, strings, waits and references.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>

#include "common/app_error.h"
#include "hotspot/mobile_hotspot.h"
#include "hotspot/win32/system_mobile_hotspot_win32.h"
#include "unit/sharing/error_of.h"
#include "win/support/win_test_support.h"

namespace {

constexpr wchar_t kClassesKey[] = L"Software\\Microsoft\\WindowsRuntime\\ActivatableClassId\\";
constexpr wchar_t kAdapter[] = L"{6B29FC40-CA47-1067-B31D-00DD010662DA}";

void SetValue(HKEY key, const wchar_t* name, DWORD type, const void* data, DWORD size) {
  RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size);
}

// The fake server, registered for both classes for the object's life.
class RegisteredServer {
 public:
  RegisteredServer() {
    const std::wstring dll = WindowsPath(PELANTO_FAKE_TETHERING_DLL);
    for (const wchar_t* name :
         {winrt_abi::kTetheringManagerClass, winrt_abi::kNetworkInformationClass}) {
      HKEY key = nullptr;
      RegCreateKeyExW(HKEY_LOCAL_MACHINE, (std::wstring(kClassesKey) + name).c_str(), 0, nullptr, 0,
                      KEY_ALL_ACCESS, nullptr, &key, nullptr);
      const DWORD zero = 0;
      SetValue(key, L"DllPath", REG_SZ, dll.c_str(),
               static_cast<DWORD>((dll.size() + 1) * sizeof(wchar_t)));
      SetValue(key, L"ActivationType", REG_DWORD, &zero, sizeof(zero));
      SetValue(key, L"Threading", REG_DWORD, &zero, sizeof(zero));
      RegCloseKey(key);
    }
    SetEnvironmentVariableW(L"PELANTO_FAKE_TETHERING_LOG", log_.File(L"log.txt").c_str());
    SetEnvironmentVariableW(L"PELANTO_FAKE_TETHERING_ADAPTER", kAdapter);
  }
  ~RegisteredServer() {
    for (const wchar_t* name :
         {winrt_abi::kTetheringManagerClass, winrt_abi::kNetworkInformationClass}) {
      RegDeleteTreeW(HKEY_LOCAL_MACHINE, (std::wstring(kClassesKey) + name).c_str());
    }
    for (const wchar_t* name :
         {L"PELANTO_FAKE_TETHERING_LOG", L"PELANTO_FAKE_TETHERING_ADAPTER",
          L"PELANTO_FAKE_TETHERING_CAPABILITY", L"PELANTO_FAKE_TETHERING_START_STATUS",
          L"PELANTO_FAKE_TETHERING_MESSAGE", L"PELANTO_FAKE_TETHERING_HANG"}) {
      SetEnvironmentVariableW(name, nullptr);
    }
  }
  std::string Log() const { return ReadFileBytes(log_.File(L"log.txt")); }
  // References the program still holds on the server's objects.
  int LiveObjects() const {
    HMODULE module = GetModuleHandleW(WindowsPath(PELANTO_FAKE_TETHERING_DLL).c_str());
    using Count = int (*)();
    auto count = reinterpret_cast<Count>(
        reinterpret_cast<void (*)()>(GetProcAddress(module, "FakeTetheringLiveObjects")));
    return count ? count() : -1;
  }

 private:
  TempFolder log_;
};

struct MobileHotspotWinTest : ::testing::Test {
  void SetUp() override { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
  void TearDown() override { CoUninitialize(); }
};

TEST_F(MobileHotspotWinTest, WithoutTheClassesItIsUnavailable) {
  SystemMobileHotspot hotspot(kTetheringWaitMilliseconds);
  EXPECT_EQ(hotspot.InternetCapability(), TetheringCapability::Unavailable);
  EXPECT_EQ(hotspot.State(L""), TetheringState::Unknown);
  EXPECT_THROW(hotspot.Start(L""), AppError);
}

TEST_F(MobileHotspotWinTest, CapabilityComesFromTheInternetProfile) {
  RegisteredServer server;
  SystemMobileHotspot hotspot(kTetheringWaitMilliseconds);
  EXPECT_EQ(hotspot.InternetCapability(), TetheringCapability::Enabled);
  SetEnvironmentVariableW(L"PELANTO_FAKE_TETHERING_CAPABILITY", L"1");
  EXPECT_EQ(hotspot.InternetCapability(), TetheringCapability::DisabledByGroupPolicy);
  EXPECT_EQ(server.LiveObjects(), 0);
}

TEST_F(MobileHotspotWinTest, ConfiguresStartsAndStopsTheProfileOfTheAdapter) {
  RegisteredServer server;
  SystemMobileHotspot hotspot(kTetheringWaitMilliseconds);
  StartMobileHotspot(hotspot, L"{6b29fc40-ca47-1067-b31d-00dd010662da}", L"网络 One", L"12345678");
  EXPECT_EQ(hotspot.State(kAdapter), TetheringState::On);
  StopMobileHotspot(hotspot, kAdapter);
  EXPECT_EQ(hotspot.State(kAdapter), TetheringState::Off);
  EXPECT_EQ(server.Log(), "configure ssid=网络 One passphrase=12345678\nstart\nstop\n");
  EXPECT_EQ(server.LiveObjects(), 0);
}

TEST_F(MobileHotspotWinTest, AStartStatusComesBackWithItsMessage) {
  RegisteredServer server;
  SetEnvironmentVariableW(L"PELANTO_FAKE_TETHERING_START_STATUS", L"3");
  SetEnvironmentVariableW(L"PELANTO_FAKE_TETHERING_MESSAGE", L"Wi-Fi is off");
  SystemMobileHotspot hotspot(kTetheringWaitMilliseconds);
  const TetheringResult result = hotspot.Start(L"");
  EXPECT_FALSE(result.timedOut);
  EXPECT_EQ(TetheringFailureMessage(result), L"无法开启移动热点：WiFiDeviceOff\nWi-Fi is off");
  EXPECT_EQ(hotspot.State(L""), TetheringState::Off);
  EXPECT_EQ(server.LiveObjects(), 0);
}

TEST_F(MobileHotspotWinTest, AnOperationThatDoesNotEndIsCancelledWhenTheWaitRunsOut) {
  RegisteredServer server;
  SetEnvironmentVariableW(L"PELANTO_FAKE_TETHERING_HANG", L"1");
  SystemMobileHotspot hotspot(300);
  EXPECT_EQ(ErrorOf([&] { StartMobileHotspot(hotspot, L"", L"name", L"12345678"); }),
            L"无法开启移动热点：操作超时。");
  EXPECT_TRUE(hotspot.Stop(L"").timedOut);
  EXPECT_EQ(server.Log(), "configure ssid=name passphrase=12345678\ncancel\nstop\ncancel\n");
  EXPECT_EQ(server.LiveObjects(), 0) << "a cancelled operation lets its handler go";
}

}  // namespace
