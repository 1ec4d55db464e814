// Windows 8 to 11: the hosted network's newer adapter names, and the start's message by the
// reason the WLAN API gave.
#include "controller_fixture.h"
#include "sharing/nt_net_connection.h"

namespace {

constexpr wchar_t kEthernetId[] = L"{11111111-0000-0000-0000-000000000010}";
constexpr wchar_t kHostedId[] = L"{33333333-0000-0000-0000-000000000001}";

// As Windows 10 lists them: the hosted network's adapter first, the Mobile Hotspot's Wi-Fi
// Direct adapter, then Ethernet, all connected.
constexpr char kWindows10[] =
    "connection|{33333333-0000-0000-0000-000000000001}|本地连接* 2|"
    "Microsoft Hosted Network Virtual Adapter|2|3|0|off|0\n"
    "connection|{33333333-0000-0000-0000-000000000002}|本地连接* 3|"
    "Microsoft Wi-Fi Direct Virtual Adapter #2|2|3|0|off|0\n"
    "connection|{11111111-0000-0000-0000-000000000010}|以太网|Realtek PCIe GbE Family "
    "Controller|2|3|0|off|0\n";

}  // namespace

TEST_F(ControllerTest, WindowsTenNamesShareEthernetWithTheHostedAdapterAndLeaveWiFiDirect) {
  Connections(kWindows10);
  view.autostartChecked = true;
  Make().FormCreate();
  EXPECT_EQ(view.Texts(AdapterList::Public), std::vector<std::wstring>{L"以太网"});
  EXPECT_EQ(view.Texts(AdapterList::Private), std::vector<std::wstring>{L"本地连接* 2"});
  MarkLog();
  controller->btnBeginClick();
  EXPECT_EQ(SharingLog(),
            (std::vector<std::wstring>{std::wstring(L"EnableSharing ") + kEthernetId + L" 0",
                                       std::wstring(L"EnableSharing ") + kHostedId + L" 1"}));
}

TEST_F(ControllerTest, TheStartTellsWhyTheHostedNetworkIsNotReady) {
  using State = WlanHostedNetworkState;
  struct Case {
    WlanReport report;
    HostedNetworkFailure reason;
    std::wstring message;
  };
  const std::wstring noAdapter =
      L"很遗憾，您没有无线网卡或还没有安装好网卡驱动，无法开启wifi共享！！";
  const std::vector<Case> cases = {
      {{WlanReport::Answer::ServiceNotRunning},
       HostedNetworkFailure::ServiceNotRunning,
       L"无线网络服务（WLAN AutoConfig）没有运行，请启动该服务后重新打开本程序。"},
      {{WlanReport::Answer::Answered, false}, HostedNetworkFailure::NoWirelessAdapter, noAdapter},
      {{WlanReport::Answer::Answered, true, State::Unavailable},
       HostedNetworkFailure::DriverHasNoHostedNetwork,
       L"您的无线网卡驱动不支持承载网络，无法开启wifi共享！！"},
      {{WlanReport::Answer::Answered, true, State::Idle}, HostedNetworkFailure::Other, noAdapter},
  };
  Connections(kWindows10);
  for (const Case& testCase : cases) {
    wlan.report = testCase.report;
    dialogs.shown.clear();
    view.autostartChecked = true;
    Make().FormCreate();
    EXPECT_EQ(controller->GetMsgCode(), 1);
    EXPECT_EQ(controller->GetMsgReason(), testCase.reason);
    controller->btnBeginClick();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, testCase.message);
    EXPECT_EQ(dialogs.shown[0].caption, L"温馨提示：");
    EXPECT_EQ(dialogs.shown[0].flags, 0x40u);
    EXPECT_EQ(view.screen, FakeMainView::Screen::Home);
  }
}
