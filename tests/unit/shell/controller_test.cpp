#include "controller_fixture.h"

TEST_F(ControllerTest, FirstRunCreatesTheKeyAndStartsWithDefaults) {
  Make().FormCreate();
  EXPECT_TRUE(registry.HasKey(kSettingsKey));
  EXPECT_TRUE(registry.keys[kSettingsKey].empty());
  EXPECT_EQ(view.networkName, L"ZENTURA");
  EXPECT_EQ(view.password, L"5831027469");
  EXPECT_TRUE(Ran(L"mode=allow ssid=ZENTURA key=5831027469"));
  EXPECT_EQ(controller->GetMsgCode(), 0);
  EXPECT_EQ(registry.openKeys, 0);
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ControllerTest, StoredSettingsConfigureTheNetwork) {
  StoreSetting(kNetworkNameValue, L"HomeNet7");
  StoreSetting(kPasswordValue, L"abcdefgh12");
  Make().FormCreate();
  EXPECT_EQ(view.networkName, L"HomeNet7");
  EXPECT_TRUE(Ran(L"ssid=HomeNet7 key=abcdefgh12"));
}

TEST_F(ControllerTest, EmptyStoredValuesFallBackToDefaults) {
  StoreSetting(kNetworkNameValue, L"");
  StoreSetting(kPasswordValue, L"");
  Make().FormCreate();
  EXPECT_EQ(view.networkName, L"ZENTURA");
  EXPECT_EQ(view.password, L"5831027469");
}

TEST_F(ControllerTest, UnopenableSettingsKeyKeepsTheBoxTexts) {
  registry.failOpen = true;
  Make().FormCreate();
  EXPECT_EQ(view.networkName, L"zentura");
  EXPECT_TRUE(Ran(L"ssid=zentura key=5831027469"));
}

TEST_F(ControllerTest, WrongValueTypeReportsAndSkipsTheRestOfCreation) {
  StoreSetting(kPasswordValue, L"", false);
  registry.keys[kRunKey][kRunValueName] = {true, L"x"};
  Make({L"-auto"}).FormCreate();
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].kind, L"error");
  EXPECT_EQ(dialogs.shown[0].text, L"Invalid data type for 'wifiPsw'");
  EXPECT_TRUE(runner.commands.empty());
  EXPECT_FALSE(view.autostartChecked);
  EXPECT_EQ(view.autoStartsPosted, 0);
  EXPECT_EQ(registry.openKeys, 0);
  // The hosted network was never prepared: starting shows no running screen.
  EXPECT_EQ(controller->GetMsgCode(), -1);
  controller->btnBeginClick();
  EXPECT_TRUE(view.steps.empty());
}

TEST_F(ControllerTest, AnyRunValueChecksAutostart) {
  registry.keys[kRunKey][kRunValueName] = {true, L"whatever"};
  Make().FormCreate();
  EXPECT_TRUE(view.autostartChecked);
}

TEST_F(ControllerTest, MissingOrNonStringRunValueLeavesAutostartUnchecked) {
  Make().FormCreate();
  EXPECT_FALSE(view.autostartChecked);
  registry.keys[kRunKey][kRunValueName] = {false, L""};
  Make().FormCreate();
  EXPECT_FALSE(view.autostartChecked);
}

TEST_F(ControllerTest, OnlyAnExactFirstAutoParameterPostsTheAutomaticStart) {
  Make({L"-auto"}).FormCreate();
  EXPECT_EQ(view.autoStartsPosted, 1);
  EXPECT_EQ(controller->GetIsAuto(), 1);

  for (auto parameters : std::vector<std::vector<std::wstring>>{
           {L"-AUTO"}, {L"/auto"}, {L"x", L"-auto"}, {L"-auto2"}, {}}) {
    view.autoStartsPosted = 0;
    Make(parameters).FormCreate();
    EXPECT_EQ(view.autoStartsPosted, 0);
    EXPECT_EQ(controller->GetIsAuto(), 0);
  }
}

TEST_F(ControllerTest, AutomaticStartHidesTheWindowAndStopsTheSpinner) {
  Make({L"-auto"}).FormCreate();
  controller->WMAutoStart();
  EXPECT_FALSE(view.visible);
  EXPECT_FALSE(view.spinnerTurning);
  EXPECT_EQ(view.steps.back(), L"spinner-stop");
  EXPECT_EQ(controller->GetIsAuto(), 0);
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ControllerTest, MsgCodeRecordsTheHostedNetworkOutcome) {
  system.majorVersion = 5;
  Make().FormCreate();
  EXPECT_EQ(controller->GetMsgCode(), 2);

  FakeSystemFacts modern;
  runner.Script(L"mode=allow", {true, L"无线自动配置服务没有运行"});
  controller = std::make_unique<TzenTuraMain>(
      MainPorts{runner, modern, registry, logonTask, dialogs, view, ansi, firewall, mobileHotspot},
      std::vector<std::wstring>{});
  controller->FormCreate();
  EXPECT_EQ(controller->GetMsgCode(), 1);
}

TEST_F(ControllerTest, CloseButtonHidesOnlyAndQuitAsksToClose) {
  Make().FormCreate();
  controller->btnClose_1Click();
  EXPECT_FALSE(view.visible);
  EXPECT_EQ(view.spinnerStops, 1);
  EXPECT_EQ(view.closeRequests, 0);
  controller->NcloseClick();
  EXPECT_EQ(view.closeRequests, 1);
}

TEST_F(ControllerTest, DestroyStopsAndDisallowsTheHostedNetworkWhateverMsgCode) {
  system.majorVersion = 5;
  Make().FormCreate();
  runner.commands.clear();
  controller->FormDestroy();
  EXPECT_EQ(runner.commands,
            (std::vector<std::wstring>{L"netsh wlan stop hostednetwork",
                                       L"netsh wlan set hostednetwork mode=disallow"}));
}
