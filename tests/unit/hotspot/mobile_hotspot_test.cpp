#include "hotspot/mobile_hotspot.h"

#include <gtest/gtest.h>

#include <functional>

#include "common/app_error.h"
#include "fakes/hotspot/fake_mobile_hotspot.h"
#include "unit/sharing/error_of.h"

namespace {

TEST(MobileHotspotMessages, NameTheStatusAndAddThePlatformsMessageOnItsOwnLine) {
  TetheringResult result;
  result.status = tethering_status::kWiFiDeviceOff;
  EXPECT_EQ(TetheringFailureMessage(result), L"无法开启移动热点：WiFiDeviceOff");
  result.status = 8;
  result.additionalErrorMessage = L"No Internet";
  EXPECT_EQ(TetheringFailureMessage(result),
            L"无法开启移动热点：NetworkLimitedConnectivity\nNo Internet");
  // A status a newer system adds has no name here yet.
  EXPECT_EQ(TetheringStatusName(9), L"9");
  EXPECT_EQ(TetheringStatusName(-1), L"-1");
}

TEST(MobileHotspotRules, NameUpTo32BytesAndPassphraseOf8To63Characters) {
  EXPECT_TRUE(MobileHotspotAccepts(std::wstring(32, L'n'), L"12345678"));
  EXPECT_FALSE(MobileHotspotAccepts(std::wstring(33, L'n'), L"12345678"));
  // Three bytes each in UTF-8: ten fit, eleven do not.
  EXPECT_TRUE(MobileHotspotAccepts(std::wstring(10, L'网'), L"12345678"));
  EXPECT_FALSE(MobileHotspotAccepts(std::wstring(11, L'网'), L"12345678"));
  EXPECT_FALSE(MobileHotspotAccepts(L"", L"12345678"));
  EXPECT_FALSE(MobileHotspotAccepts(L"name", L"1234567"));
  EXPECT_TRUE(MobileHotspotAccepts(L"name", std::wstring(63, L'k')));
  EXPECT_FALSE(MobileHotspotAccepts(L"name", std::wstring(64, L'k')));
}

TEST(MobileHotspotStart, ConfiguresThenStartsAndStopsAtTheFirstFailure) {
  FakeMobileHotspot hotspot;
  StartMobileHotspot(hotspot, L"{A}", L"name", L"12345678");
  EXPECT_EQ(hotspot.calls, (std::vector<std::wstring>{
                               L"configure {A} ssid=name passphrase=12345678", L"start {A}"}));

  hotspot.calls.clear();
  EXPECT_EQ(ErrorOf([&] { StartMobileHotspot(hotspot, L"{A}", L"name", L"1234567"); }),
            L"无法开启移动热点：WIFI名称或密码不符合要求。");
  EXPECT_TRUE(hotspot.calls.empty()) << "nothing is configured with values it would refuse";

  hotspot.configureResult.timedOut = true;
  EXPECT_EQ(ErrorOf([&] { StartMobileHotspot(hotspot, L"", L"name", L"12345678"); }),
            L"无法开启移动热点：操作超时。");
  EXPECT_EQ(hotspot.calls.size(), 1u) << "no start after a configuration that did not end";

  hotspot.configureResult.timedOut = false;
  hotspot.startResult.status = tethering_status::kOperationInProgress;
  EXPECT_EQ(ErrorOf([&] { StartMobileHotspot(hotspot, L"", L"name", L"12345678"); }),
            L"无法开启移动热点：OperationInProgress");
}

}  // namespace
