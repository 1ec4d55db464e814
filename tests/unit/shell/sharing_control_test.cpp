#include <algorithm>

#include "controller_fixture.h"
#include "qrimg/qr_image_file.h"
#include "sharing/nt_net_connection.h"

namespace {

constexpr wchar_t kLanId[] = L"{11111111-0000-0000-0000-000000000001}";
constexpr wchar_t kLan2Id[] = L"{11111111-0000-0000-0000-000000000002}";
constexpr wchar_t kHostedId[] = L"{22222222-0000-0000-0000-000000000001}";

// A connected wired connection and a connected hosted-network adapter.
constexpr char kPair[] =
    "connection|{11111111-0000-0000-0000-000000000001}|本地连接|Realtek PCIe GBE|2|3|0|off|0\n"
    "connection|{22222222-0000-0000-0000-000000000001}|无线网络连接 2|"
    "Microsoft Virtual WiFi Miniport Adapter|2|2|0|off|0\n";

struct SharingControlTest : ControllerTest {
  void StartUp(std::string_view script = kPair) {
    Connections(script);
    view.autostartChecked = true;
    Make().FormCreate();
    MarkLog();
  }
  std::wstring Line(const char* method, const wchar_t* id, const wchar_t* suffix = L"") const {
    return std::wstring(method, method + std::char_traits<char>::length(method)) + L" " + id +
           suffix;
  }
};

}  // namespace

TEST_F(SharingControlTest, ListsOfferOnlyConnectedRealConnectionsAndTheHostedAdapter) {
  Connections(
      "connection|{11111111-0000-0000-0000-000000000001}|LAN|Realtek PCIe GBE|2|3|0|off|0\n"
      "connection|{11111111-0000-0000-0000-000000000003}|VB|VIRTUALBOX Host-Only "
      "Ethernet|2|3|0|off|0\n"
      "connection|{11111111-0000-0000-0000-000000000004}|VM|VMware Virtual Ethernet "
      "Adapter|2|3|0|off|0\n"
      "connection|{11111111-0000-0000-0000-000000000005}|Off|Intel Wireless|0|2|0|off|0\n"
      "connection|{22222222-0000-0000-0000-000000000001}|Hosted|MICROSOFT Virtual WiFi Miniport "
      "Adapter #2|2|2|0|off|0\n"
      "connection|{22222222-0000-0000-0000-000000000002}|Hosted down|Microsoft Virtual WiFi "
      "Miniport Adapter|0|2|0|off|0\n");
  Make().FormCreate();
  EXPECT_EQ(view.Texts(AdapterList::Public), std::vector<std::wstring>{L"LAN"});
  EXPECT_EQ(view.Texts(AdapterList::Private),
            (std::vector<std::wstring>{L"Hosted", L"Hosted down"}));
  // Only the disconnected hosted adapter is connected while filling.
  EXPECT_EQ(SharingLog(),
            std::vector<std::wstring>{L"Connect {22222222-0000-0000-0000-000000000002}"});
  ASSERT_NE(controller->InternetSide(), nullptr);
  EXPECT_EQ(controller->InternetSide()->GuidId(), kLanId);
  EXPECT_EQ(controller->HostedSide()->GuidId(), kHostedId);
}

TEST_F(SharingControlTest, StoredIdentifiersTellSameNamesApartAndTheFieldsFollow) {
  StoreSetting(kInternetSideValue, kLan2Id);
  StartUp(
      "connection|{11111111-0000-0000-0000-000000000001}|本地连接|Realtek|2|3|0|off|0\n"
      "connection|{11111111-0000-0000-0000-000000000002}|本地连接|Intel|2|3|0|off|0\n"
      "connection|{22222222-0000-0000-0000-000000000001}|W|Microsoft Virtual WiFi Miniport "
      "Adapter|2|2|0|off|0\n");
  EXPECT_EQ(view.publicList.Selected(), 1);
  EXPECT_EQ(controller->InternetSide()->GuidId(), kLan2Id);
  // Quitting before any start switches off the pair the lists show.
  controller->FormDestroy();
  EXPECT_EQ(SharingLog(), (std::vector<std::wstring>{Line("DisableSharing", kLan2Id),
                                                     Line("DisableSharing", kHostedId)}));
}

TEST_F(SharingControlTest, StoredIdentifierWithoutMatchKeepsTheFirstEntry) {
  StoreSetting(kInternetSideValue, L"{11111111-0000-0000-0000-00000000000F}");
  StoreSetting(kHostedSideValue, L"{22222222-0000-0000-0000-00000000000f}");
  StartUp();
  EXPECT_EQ(view.publicList.Selected(), 0);
  EXPECT_EQ(view.privateList.Selected(), 0);
  EXPECT_EQ(controller->InternetSide()->GuidId(), kLanId);
}

TEST_F(SharingControlTest, StartRunsTheSequenceInOrderAndSwitchesSharingOn) {
  StartUp();
  std::vector<size_t> sharingCallsAtStep;
  view.onStep = [&](const std::wstring&) { sharingCallsAtStep.push_back(world.LogLines().size()); };
  controller->btnBeginClick();
  EXPECT_EQ(view.steps, (std::vector<std::wstring>{L"home>running", L"spinner-stop", L"qr-image",
                                                   L"spinner-start"}));
  // The code exists before sharing is switched on; the spinner turns only after.
  EXPECT_EQ(sharingCallsAtStep, (std::vector<size_t>{0, 0, 0, 2}));
  EXPECT_EQ(SharingLog(), (std::vector<std::wstring>{Line("EnableSharing", kLanId, L" 0"),
                                                     Line("EnableSharing", kHostedId, L" 1")}));
  EXPECT_TRUE(view.trayChecked);
  EXPECT_EQ(view.runningName, L"ZENTURA");
  EXPECT_EQ(view.runningPassword, L"密码:5831027469");
  EXPECT_EQ(view.qrImage, QrImageFile("WIFI:T:WPA2;P:5831027469;S:ZENTURA;"));
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(SharingControlTest, AlreadySharedInternetSideIsLeftAlone) {
  StartUp(
      "connection|{11111111-0000-0000-0000-000000000001}|LAN|Realtek|2|3|0|public|0\n"
      "connection|{22222222-0000-0000-0000-000000000001}|W|Microsoft Virtual WiFi Miniport "
      "Adapter|2|2|0|off|0\n");
  controller->btnBeginClick();
  EXPECT_EQ(SharingLog(), std::vector<std::wstring>{Line("EnableSharing", kHostedId, L" 1")});
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(SharingControlTest, MissingSidesSwitchNothingForThatSide) {
  StartUp(
      "connection|{22222222-0000-0000-0000-000000000001}|W|Microsoft Virtual WiFi Miniport "
      "Adapter|2|2|0|off|0\n");
  EXPECT_EQ(controller->InternetSide(), nullptr);
  controller->btnBeginClick();
  controller->btnStopClick();
  EXPECT_EQ(SharingLog(), (std::vector<std::wstring>{Line("EnableSharing", kHostedId, L" 1"),
                                                     Line("DisableSharing", kHostedId)}));
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(SharingControlTest, NoConnectionsAtAllStartAndStopQuietly) {
  StartUp("");
  controller->btnBeginClick();
  controller->btnStopClick();
  controller->FormDestroy();
  EXPECT_TRUE(SharingLog().empty());
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(view.screen, FakeMainView::Screen::Home);
}

TEST_F(SharingControlTest, TheChosenConnectionStaysChosenWhenAnotherGoesDown) {
  StoreSetting(kInternetSideValue, kLan2Id);
  StartUp(
      "connection|{11111111-0000-0000-0000-000000000001}|A|Realtek|2|3|0|off|0\n"
      "connection|{11111111-0000-0000-0000-000000000002}|B|Intel|2|3|0|off|0\n"
      "connection|{11111111-0000-0000-0000-000000000003}|VPN|WAN Miniport|2|3|0|off|0\n"
      "connection|{22222222-0000-0000-0000-000000000001}|W|Microsoft Virtual WiFi Miniport "
      "Adapter|2|2|0|off|0\n");
  world.LiveConnections()[0]->status = NCS_DISCONNECTED;
  controller->btnBeginClick();
  // Position 1 of the shrunk list would be the VPN.
  EXPECT_EQ(SharingLog(), (std::vector<std::wstring>{Line("EnableSharing", kLan2Id, L" 0"),
                                                     Line("EnableSharing", kHostedId, L" 1")}));
}

TEST_F(SharingControlTest, ASelectionPastTheEndOfAShrunkListLeavesTheSideEmpty) {
  StoreSetting(kInternetSideValue, kLan2Id);
  StartUp(
      "connection|{11111111-0000-0000-0000-000000000001}|A|Realtek|2|3|0|off|0\n"
      "connection|{11111111-0000-0000-0000-000000000002}|B|Intel|2|3|0|off|0\n"
      "connection|{22222222-0000-0000-0000-000000000001}|W|Microsoft Virtual WiFi Miniport "
      "Adapter|2|2|0|off|0\n");
  world.LiveConnections()[1]->status = NCS_DISCONNECTED;
  controller->btnBeginClick();
  EXPECT_EQ(controller->InternetSide(), nullptr);
  EXPECT_EQ(SharingLog(), std::vector<std::wstring>{Line("EnableSharing", kHostedId, L" 1")});
}

TEST_F(SharingControlTest, WithoutAPreparedNetworkListsPairAndSharingAreLeftAlone) {
  // The Internet side is still shared from an earlier run; the hosted adapter is down.
  Connections(
      "connection|{11111111-0000-0000-0000-000000000001}|LAN|Realtek|2|3|0|public|0\n"
      "connection|{22222222-0000-0000-0000-000000000001}|W|Microsoft Virtual WiFi Miniport "
      "Adapter|0|2|0|off|0\n");
  StoreSetting(kInternetSideValue, kLanId);
  system.majorVersion = 5;
  // An entry put there beforehand shows whether filling or selecting touched the list.
  view.publicList.Add(L"kept", &firewall.Connections().Items(0));
  Make().FormCreate();
  ASSERT_EQ(controller->GetMsgCode(), 2);
  EXPECT_EQ(view.Texts(AdapterList::Public), std::vector<std::wstring>{L"kept"});
  EXPECT_EQ(view.publicList.Selected(), -1);
  EXPECT_EQ(controller->InternetSide(), nullptr);

  controller->FormDestroy();
  EXPECT_TRUE(view.steps.empty());  // no stop action
  EXPECT_TRUE(world.LogLines().empty());
  EXPECT_TRUE(world.LiveConnections()[0]->sharingEnabled);
  EXPECT_TRUE(Ran(L"mode=disallow"));
}

TEST_F(SharingControlTest, InternetSideThatComesUpAfterStartUpIsUsed) {
  StartUp(
      "connection|{11111111-0000-0000-0000-000000000001}|LAN|Realtek|0|3|0|off|0\n"
      "connection|{22222222-0000-0000-0000-000000000001}|W|Microsoft Virtual WiFi Miniport "
      "Adapter|2|2|0|off|0\n");
  EXPECT_EQ(view.publicList.Selected(), -1);
  world.LiveConnections()[0]->status = NCS_CONNECTED;
  controller->btnBeginClick();
  ASSERT_NE(controller->InternetSide(), nullptr);
  EXPECT_EQ(SharingLog().front(), Line("EnableSharing", kLanId, L" 0"));
}

TEST_F(SharingControlTest, RefusalEndsTheStartWithTheErrorBoxAndTheRunningScreenStays) {
  StartUp();
  world.FailCall("EnableSharing", static_cast<HRESULT>(0x80004005));
  controller->btnBeginClick();
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].kind, L"error");
  EXPECT_EQ(view.screen, FakeMainView::Screen::Running);
  EXPECT_TRUE(view.trayChecked);
  EXPECT_EQ(view.spinnerStarts, 0);
  EXPECT_FALSE(view.qrImage.empty());
}

TEST_F(SharingControlTest, StartMessagesByMsgCode) {
  struct Case {
    int majorVersion;
    std::wstring allowOutput;
    bool ran;
    std::wstring message;
  };
  const std::vector<Case> cases = {
      {5, L"", true, L"很遗憾，您的系统不是win7，无法开启wifi共享！！"},
      {6, L"无线自动配置服务没有运行", true,
       L"无线网络服务（WLAN AutoConfig）没有运行，请启动该服务后重新打开本程序。"},
      {6, L"", false, L""},
  };
  for (const Case& testCase : cases) {
    FakeCommandRunner commands;
    commands.Script(L"mode=allow", {testCase.ran, testCase.allowOutput});
    FakeSystemFacts facts;
    facts.majorVersion = testCase.majorVersion;
    dialogs.shown.clear();
    view.autostartChecked = true;
    TzenTuraMain main(
        MainPorts{commands, facts, registry, logonTask, dialogs, view, ansi, firewall,
                  mobileHotspot},
        {});
    main.FormCreate();
    main.btnBeginClick();
    if (testCase.message.empty()) {
      EXPECT_TRUE(dialogs.shown.empty());
    } else {
      ASSERT_EQ(dialogs.shown.size(), 1u);
      EXPECT_EQ(dialogs.shown[0].kind, L"info");
      EXPECT_EQ(dialogs.shown[0].text, testCase.message);
      EXPECT_EQ(dialogs.shown[0].caption, L"温馨提示：");
      EXPECT_EQ(dialogs.shown[0].flags, 0x40u);
    }
    EXPECT_EQ(view.screen, FakeMainView::Screen::Home);
    EXPECT_TRUE(view.steps.empty());
  }
}

TEST_F(SharingControlTest, AutomaticStartAsksNothingAndShowsNothing) {
  Connections(kPair);
  system.majorVersion = 5;
  Make({L"-auto"}).FormCreate();
  controller->WMAutoStart();
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(controller->GetIsAuto(), 0);
  EXPECT_EQ(view.screen, FakeMainView::Screen::Home);

  system.majorVersion = 6;
  Make({L"-auto"}).FormCreate();
  controller->WMAutoStart();
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(view.screen, FakeMainView::Screen::Running);
  EXPECT_FALSE(view.spinnerTurning);  // hidden window: the spinner rests
  EXPECT_EQ(controller->GetIsAuto(), 0);
}

TEST_F(SharingControlTest, AutostartQuestionWritesTheRunValueOnlyOnOk) {
  Connections(kPair);
  Make().FormCreate();
  dialogs.answerYes = false;
  controller->btnBeginClick();
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].kind, L"ask");
  EXPECT_EQ(dialogs.shown[0].text, L"你需要让电脑自动开启WIFI功能吗？");
  EXPECT_EQ(dialogs.shown[0].caption, L"温馨提示：");
  EXPECT_EQ(Stored(kRunKey, kRunValueName), nullptr);
  EXPECT_FALSE(logonTask.registered);
  EXPECT_FALSE(view.autostartChecked);
  EXPECT_EQ(view.screen, FakeMainView::Screen::Running);  // started anyway

  controller->btnStopClick();
  dialogs.answerYes = true;
  controller->btnBeginClick();
  EXPECT_EQ(dialogs.shown.size(), 2u);
  ASSERT_NE(Stored(kRunKey, kRunValueName), nullptr);
  EXPECT_EQ(Stored(kRunKey, kRunValueName)->text,
            L"\"C:\\Program Files\\Pelanto\\Pelanto.exe\" -auto");
  EXPECT_TRUE(logonTask.registered);
  EXPECT_EQ(logonTask.program, L"C:\\Program Files\\Pelanto\\Pelanto.exe");
  EXPECT_TRUE(view.autostartChecked);
  // Only the Run value: the other settings are not saved.
  EXPECT_TRUE(registry.keys[kSettingsKey].empty());
  EXPECT_EQ(registry.openKeys, 0);

  controller->btnStopClick();
  controller->btnBeginClick();
  EXPECT_EQ(dialogs.shown.size(), 2u);
}

TEST_F(SharingControlTest, StopSwitchesSharingOffAndTheTrayItemToggles) {
  StartUp();
  controller->NwifiClick();
  EXPECT_TRUE(view.trayChecked);
  MarkLog();
  controller->NwifiClick();
  EXPECT_FALSE(view.trayChecked);
  EXPECT_EQ(view.screen, FakeMainView::Screen::Home);
  EXPECT_EQ(SharingLog(), (std::vector<std::wstring>{Line("DisableSharing", kLanId),
                                                     Line("DisableSharing", kHostedId)}));
}

TEST_F(SharingControlTest, TrayClickShowsTheWindowAndRestartsTheSpinnerOnlyWhileRunning) {
  StartUp();
  controller->btnClose_1Click();
  controller->TrayIcon1Click();
  EXPECT_TRUE(view.visible);
  EXPECT_EQ(view.spinnerStarts, 0);

  controller->btnBeginClick();
  controller->btnClose_1Click();
  EXPECT_FALSE(view.spinnerTurning);
  controller->TrayIcon1Click();
  EXPECT_TRUE(view.visible);
  EXPECT_TRUE(view.spinnerTurning);
}

TEST_F(SharingControlTest, FailedCommandAtStartUpAsksTheAutostartQuestionAndNothingMore) {
  runner.Script(L"mode=allow", {false, L""});
  Make().FormCreate();
  ASSERT_EQ(controller->GetMsgCode(), -1);
  dialogs.answerYes = false;
  controller->btnBeginClick();
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].kind, L"ask");
  EXPECT_TRUE(view.steps.empty());
}
