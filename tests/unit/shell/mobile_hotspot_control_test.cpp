// The Mobile Hotspot as the hotspot where the hosted network cannot be had.
#include "controller_fixture.h"
#include "hotspot/mobile_hotspot.h"

namespace {

constexpr wchar_t kLanId[] = L"{11111111-0000-0000-0000-000000000001}";

// A wired connection and the hosted network's adapter; the WLAN API tells whether the driver
// offers the hosted network.
constexpr char kPair[] =
    "connection|{11111111-0000-0000-0000-000000000001}|以太网|Realtek PCIe GBE|2|3|0|off|0\n"
    "connection|{22222222-0000-0000-0000-000000000001}|本地连接* 2|"
    "Microsoft Hosted Network Virtual Adapter|0|2|0|off|0\n";

struct MobileHotspotControlTest : ControllerTest {
  void StartUp(std::vector<std::wstring> parameters = {}) {
    Connections(kPair);
    wlan.Answer(true, WlanHostedNetworkState::Unavailable);
    mobileHotspot.capability = TetheringCapability::Enabled;
    view.autostartChecked = true;
    StoreSetting(kNetworkNameValue, L"Home 5G");
    StoreSetting(kPasswordValue, L"key12345");
    Make(std::move(parameters)).FormCreate();
    MarkLog();
  }
  std::vector<std::wstring> Calls() { return std::exchange(mobileHotspot.calls, {}); }
  const std::wstring configured =
      L"configure " + std::wstring(kLanId) + L" ssid=Home 5G passphrase=key12345";
  const std::wstring started = L"start " + std::wstring(kLanId);
  const std::wstring stopped = L"stop " + std::wstring(kLanId);
};

TEST_F(MobileHotspotControlTest, TakesOverWhereTheHostedNetworkWillNotStartAndListsItself) {
  StartUp();
  EXPECT_EQ(controller->GetMsgCode(), 0);
  EXPECT_EQ(controller->GetHotspotKind(), HotspotKind::MobileHotspot);
  EXPECT_EQ(view.Texts(AdapterList::Public), std::vector<std::wstring>{L"以太网"});
  EXPECT_EQ(view.Texts(AdapterList::Private), std::vector<std::wstring>{L"Windows 移动热点"});
  EXPECT_EQ(controller->HostedSide(), nullptr);
  EXPECT_TRUE(SharingLog().empty()) << "the hosted adapter is left alone";

  controller->btnSettingClick();
  controller->btnSetSaveClick();
  EXPECT_EQ(Stored(kSettingsKey, kHostedSideValue)->text, L"");
  EXPECT_EQ(Stored(kSettingsKey, kInternetSideValue)->text, kLanId);
  EXPECT_TRUE(Calls().empty()) << "saving while off starts nothing";
}

TEST_F(MobileHotspotControlTest, StartConfiguresAndStartsStopStopsAndNothingIsShared) {
  StartUp();
  controller->btnBeginClick();
  EXPECT_EQ(Calls(), (std::vector<std::wstring>{configured, started}));
  EXPECT_TRUE(view.RunningScreenVisible());
  EXPECT_EQ(view.runningName, L"Home 5G");
  EXPECT_EQ(view.spinnerStarts, 1);
  EXPECT_TRUE(dialogs.shown.empty());

  controller->btnStopClick();
  EXPECT_EQ(Calls(), std::vector<std::wstring>{stopped});
  EXPECT_FALSE(view.RunningScreenVisible());
  EXPECT_TRUE(SharingLog().empty());
}

TEST_F(MobileHotspotControlTest, SavingWhileOnRestartsWithTheNewValues) {
  StartUp();
  controller->btnBeginClick();
  Calls();
  view.networkName = L"OtherNet";
  view.password = L"87654321";
  controller->btnSetSaveClick();
  EXPECT_EQ(Calls(), (std::vector<std::wstring>{stopped,
                                                L"configure " + std::wstring(kLanId) +
                                                    L" ssid=OtherNet passphrase=87654321",
                                                started}));
  EXPECT_FALSE(Ran(L"ssid=OtherNet")) << "the hosted network is not asked again";

  view.networkName = std::wstring(33, L'n');
  controller->btnSetSaveClick();
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, L"无法开启移动热点：WIFI名称或密码不符合要求。");
  EXPECT_TRUE(Calls().empty()) << "a refused name leaves the running hotspot alone";
}

TEST_F(MobileHotspotControlTest, QuittingStopsARunningHotspotBeforeNetshAndLeavesAnIdleOneAlone) {
  StartUp();
  controller->btnBeginClick();
  Calls();
  runner.commands.clear();
  controller->FormDestroy();
  EXPECT_EQ(Calls(), std::vector<std::wstring>{stopped});
  EXPECT_EQ(runner.commands,
            (std::vector<std::wstring>{L"netsh wlan stop hostednetwork",
                                       L"netsh wlan set hostednetwork mode=disallow"}));

  mobileHotspot.state = TetheringState::Off;
  controller->FormDestroy();
  EXPECT_TRUE(Calls().empty());
  mobileHotspot.state = TetheringState::InTransition;
  controller->FormDestroy();
  EXPECT_EQ(Calls(), std::vector<std::wstring>{stopped});
}

TEST_F(MobileHotspotControlTest, FailuresGoToTheErrorBoxAndEndTheStart) {
  StartUp();
  mobileHotspot.startResult.status = tethering_status::kWiFiDeviceOff;
  mobileHotspot.startResult.additionalErrorMessage = L"Turn Wi-Fi on";
  controller->btnBeginClick();
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].kind, L"error");
  EXPECT_EQ(dialogs.shown[0].text, L"无法开启移动热点：WiFiDeviceOff\nTurn Wi-Fi on");
  EXPECT_EQ(view.spinnerStarts, 0) << "the start ends at the failure";

  dialogs.shown.clear();
  Calls();
  view.password = L"short";
  controller->btnBeginClick();
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, L"无法开启移动热点：WIFI名称或密码不符合要求。");
  EXPECT_TRUE(Calls().empty());

  dialogs.shown.clear();
  view.password = L"key12345";
  mobileHotspot.failure = L"Class not registered";
  controller->btnStopClick();
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, L"Class not registered");
}

TEST_F(MobileHotspotControlTest, AutomaticStartRunsItHiddenWithoutQuestions) {
  view.autostartChecked = false;
  Connections(kPair);
  wlan.Answer(true, WlanHostedNetworkState::Unavailable);
  mobileHotspot.capability = TetheringCapability::Enabled;
  Make({L"-auto"}).FormCreate();
  controller->WMAutoStart();
  EXPECT_EQ(mobileHotspot.calls.size(), 2u);
  EXPECT_EQ(mobileHotspot.state, TetheringState::On);
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(MobileHotspotControlTest, WithoutTheCapabilityTheHostedNetworksFailureStands) {
  Connections(kPair);
  wlan.Answer(true, WlanHostedNetworkState::Unavailable);
  mobileHotspot.capability = TetheringCapability::DisabledByGroupPolicy;
  view.autostartChecked = true;
  Make().FormCreate();
  EXPECT_EQ(controller->GetMsgCode(), 1);
  EXPECT_EQ(controller->GetHotspotKind(), HotspotKind::HostedNetwork);
  EXPECT_EQ(controller->GetMobileHotspotCapability(), TetheringCapability::DisabledByGroupPolicy);
  controller->btnBeginClick();
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, L"您的无线网卡驱动不支持承载网络，无法开启wifi共享！！");
  EXPECT_TRUE(mobileHotspot.calls.empty());
}

TEST_F(MobileHotspotControlTest, AFailureThatIsNotTheDriversNeverAsksForIt) {
  // "Other" (a netsh marker the API could not explain) does ask: newer systems answer so.
  Connections(kPair);
  mobileHotspot.capability = TetheringCapability::Enabled;
  runner.Script(L"start hostednetwork", {true, L"无法启动承载网络。\r\n"});
  Make().FormCreate();
  EXPECT_EQ(controller->GetHotspotKind(), HotspotKind::MobileHotspot);

  wlan.Answer(false, WlanHostedNetworkState::Unavailable);
  Make().FormCreate();
  EXPECT_EQ(controller->GetMsgReason(), HostedNetworkFailure::NoWirelessAdapter);
  wlan.report.answer = WlanReport::Answer::ServiceNotRunning;
  Make().FormCreate();
  EXPECT_EQ(controller->GetMsgReason(), HostedNetworkFailure::ServiceNotRunning);
  EXPECT_EQ(mobileHotspot.capabilityQuestions, 1);
  EXPECT_EQ(controller->GetHotspotKind(), HotspotKind::HostedNetwork);
}

TEST_F(MobileHotspotControlTest, AWorkingHostedNetworkNeverAsksForTheMobileHotspot) {
  Connections(kPair);
  mobileHotspot.capability = TetheringCapability::Enabled;
  view.autostartChecked = true;
  Make().FormCreate();
  controller->btnBeginClick();
  controller->FormDestroy();
  EXPECT_EQ(controller->GetHotspotKind(), HotspotKind::HostedNetwork);
  EXPECT_EQ(mobileHotspot.capabilityQuestions, 0);
  EXPECT_TRUE(mobileHotspot.calls.empty());
}

}  // namespace
