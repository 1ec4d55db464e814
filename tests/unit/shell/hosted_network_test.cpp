#include <gtest/gtest.h>

#include "fakes/shell/fake_ports.h"
#include "fakes/wlan/fake_wlan_api.h"
#include "shell/hosted_network.h"

using Commands = std::vector<std::wstring>;

namespace {

const std::wstring kStop = L"netsh wlan stop hostednetwork";
const std::wstring kDisallow = L"netsh wlan set hostednetwork mode=disallow";
const std::wstring kStart = L"netsh wlan start hostednetwork";

struct HostedNetworkTest : ::testing::Test {
  int Start(std::wstring_view name = L"zentura1", std::wstring_view key = L"12345678") {
    return ControlHostedNetwork(runner, system, name, key, false);
  }
  int Stop() { return ControlHostedNetwork(runner, system, L"", L"", true); }
  FakeCommandRunner runner;
  FakeSystemFacts system;
};

}  // namespace

TEST_F(HostedNetworkTest, StartRunsFourCommandsInOrderInTheProgramFolder) {
  EXPECT_EQ(Start(L"MyNet01", L"secret99"), kHostedNetworkReady);
  EXPECT_EQ(runner.commands,
            (Commands{kStop, kDisallow,
                      L"netsh wlan set hostednetwork mode=allow ssid=MyNet01 key=secret99", kStart}));
  for (const auto& directory : runner.directories) EXPECT_EQ(directory, system.directory);
  // Always the system's netsh, never one found beside the program.
  for (const auto& application : runner.applications) {
    EXPECT_EQ(application, L"C:\\Windows\\system32\\netsh.exe");
  }
}

TEST_F(HostedNetworkTest, OldSystemRunsNothing) {
  system.majorVersion = 5;
  EXPECT_EQ(Start(), kHostedNetworkOldSystem);
  EXPECT_TRUE(runner.commands.empty());
}

TEST_F(HostedNetworkTest, NotRunningMarkerInAllowOutputStopsBeforeStart) {
  runner.Script(L"mode=allow", {true, L"THE WIRELESS AUTOCONFIG SERVICE (WLANSVC) 没有运行。\r\n"});
  EXPECT_EQ(Start(), kHostedNetworkUnavailable);
  EXPECT_EQ(runner.commands.size(), 3u);
}

TEST_F(HostedNetworkTest, CouldNotStartMarkerInStartOutputIsUnavailable) {
  runner.Script(L"start hostednetwork", {true, L"无法启动承载网络。\r\n组或资源的状态不是执行请求操作的正确状态。\r\n"});
  EXPECT_EQ(Start(), kHostedNetworkUnavailable);
}

TEST_F(HostedNetworkTest, MarkersCountOnlyInTheirOwnCommand) {
  // The could-not-start marker in the allow output, and the not-running one in the start
  // output, mean nothing.
  runner.Script(L"mode=allow", {true, L"无法启动承载网络\r\n"});
  runner.Script(L"start hostednetwork", {true, L"没有运行\r\n"});
  EXPECT_EQ(Start(), kHostedNetworkReady);
}

TEST_F(HostedNetworkTest, OtherWordingCountsAsSuccess) {
  runner.Script(L"mode=allow", {true, L"The hosted network mode has been set to allow.\r\n"});
  runner.Script(L"start hostednetwork", {true, L"The hosted network couldn't be started.\r\n"});
  EXPECT_EQ(Start(), kHostedNetworkReady);
}

TEST_F(HostedNetworkTest, StopAndDisallowFailingBeforeAllowAreIgnored) {
  runner.Script(kStop, {false, L""});
  runner.Script(kDisallow, {false, L""});
  EXPECT_EQ(Start(), kHostedNetworkReady);
  EXPECT_EQ(runner.commands.size(), 4u);
}

TEST_F(HostedNetworkTest, AllowOrStartFailingToRunIsCommandFailed) {
  runner.Script(L"mode=allow", {false, L""});
  EXPECT_EQ(Start(), kHostedNetworkCommandFailed);
  EXPECT_EQ(runner.commands.size(), 3u);

  FakeCommandRunner second;
  second.Script(L"start hostednetwork", {false, L""});
  EXPECT_EQ(ControlHostedNetwork(second, system, L"zentura1", L"12345678", false),
            kHostedNetworkCommandFailed);
}

TEST_F(HostedNetworkTest, StopModeRunsStopThenDisallow) {
  EXPECT_EQ(Stop(), 0);
  EXPECT_EQ(runner.commands, (Commands{kStop, kDisallow}));
}

TEST_F(HostedNetworkTest, StopModeFailures) {
  runner.Script(kStop, {false, L""});
  EXPECT_EQ(Stop(), -1);
  EXPECT_EQ(runner.commands, (Commands{kStop}));  // disallow is not run

  FakeCommandRunner second;
  second.Script(kDisallow, {false, L""});
  EXPECT_EQ(ControlHostedNetwork(second, system, L"", L"", true), -1);
}

TEST_F(HostedNetworkTest, StopModeRunsEvenOnOldSystems) {
  system.majorVersion = 5;
  EXPECT_EQ(Stop(), 0);
  EXPECT_EQ(runner.commands.size(), 2u);
}

TEST(NetshValue, QuotesOnlyValuesWithWhiteSpace) {
  EXPECT_EQ(NetshValue(L"zentura"), L"zentura");
  EXPECT_EQ(NetshValue(L"my net"), L"\"my net\"");
  EXPECT_EQ(NetshValue(L"tab\there"), L"\"tab\there\"");
  EXPECT_EQ(NetshValue(L""), L"");
  EXPECT_EQ(AllowCommandLine(L"my net", L"pass word"),
            L"netsh wlan set hostednetwork mode=allow ssid=\"my net\" key=\"pass word\"");
}

TEST_F(HostedNetworkTest, TheWlanApiDecidesWhereNetshNamedNoFailureAndTellsWhy) {
  using State = WlanHostedNetworkState;
  using Answer = WlanReport::Answer;
  struct Case {
    std::wstring startOutput;
    WlanReport report;
    int result;
    HostedNetworkFailure failure;
  };
  const std::wstring english = L"The hosted network couldn't be started.\r\n";
  const std::wstring chinese = L"无法启动承载网络。\r\n";
  const std::vector<Case> cases = {
      {english, {Answer::Answered, true, State::Active}, 0, HostedNetworkFailure::None},
      {english, {Answer::Answered, true, State::Idle}, 1, HostedNetworkFailure::Other},
      {english, {Answer::Answered, true, State::Unavailable}, 1,
       HostedNetworkFailure::DriverHasNoHostedNetwork},
      {english, {Answer::Answered, false, State::Unavailable}, 1,
       HostedNetworkFailure::NoWirelessAdapter},
      {english, {Answer::ServiceNotRunning}, 1, HostedNetworkFailure::ServiceNotRunning},
      {english, {Answer::None}, 0, HostedNetworkFailure::None},  // netsh's word stands
      // The marker still fails the start; the API only tells why.
      {chinese, {Answer::Answered, true, State::Active}, 1, HostedNetworkFailure::Other},
      {chinese, {Answer::Answered, true, State::Unavailable}, 1,
       HostedNetworkFailure::DriverHasNoHostedNetwork},
      {chinese, {Answer::None}, 1, HostedNetworkFailure::Other},
  };
  for (const Case& testCase : cases) {
    FakeCommandRunner commands;
    commands.Script(L"start hostednetwork", {true, testCase.startOutput});
    FakeWlanApi wlan;
    wlan.report = testCase.report;
    HostedNetworkFailure failure = HostedNetworkFailure::Other;
    EXPECT_EQ(ControlHostedNetwork(commands, system, L"zentura1", L"12345678", false, &wlan,
                                   &failure),
              testCase.result);
    EXPECT_EQ(failure, testCase.failure);
    EXPECT_EQ(wlan.queries, 1);
  }
}

TEST_F(HostedNetworkTest, TheWlanApiIsNotAskedWhenNetshSettledTheOutcome) {
  FakeWlanApi wlan;
  wlan.Answer(true, WlanHostedNetworkState::Active);
  HostedNetworkFailure failure = HostedNetworkFailure::None;
  runner.Script(L"mode=allow", {true, L"The Wireless AutoConfig Service (wlansvc) 没有运行。\r\n"});
  EXPECT_EQ(ControlHostedNetwork(runner, system, L"a", L"12345678", false, &wlan, &failure), 1);
  EXPECT_EQ(failure, HostedNetworkFailure::ServiceNotRunning);

  FakeCommandRunner failing;
  failing.Script(L"start hostednetwork", {false, L""});
  EXPECT_EQ(ControlHostedNetwork(failing, system, L"a", L"12345678", false, &wlan, &failure), -1);
  EXPECT_EQ(failure, HostedNetworkFailure::None);
  EXPECT_EQ(ControlHostedNetwork(runner, system, L"", L"", true, &wlan, &failure), 0);
  EXPECT_EQ(wlan.queries, 0);
}
