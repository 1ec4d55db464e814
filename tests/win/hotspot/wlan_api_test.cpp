#include <gtest/gtest.h>

#include <algorithm>

#include "hotspot/win32/wlan_api_win32.h"
#include "win/support/win_test_support.h"

// The real loading and calling of wlanapi.dll, against the test prefix's stand-in in system32.

namespace {

struct Queried {
  WlanReport report;
  std::vector<std::string> calls;
};

Queried QueryWith(const wchar_t* state) {
  TempFolder folder;
  const std::wstring log = folder.File(L"wlan.txt");
  SetEnvironmentVariableW(L"PELANTO_FAKE_WLAN", state);
  SetEnvironmentVariableW(L"PELANTO_FAKE_WLAN_LOG", log.c_str());
  Queried queried;
  queried.report = WindowsWlanApi().QueryHostedNetwork();
  queried.calls = ReadLines(log);
  SetEnvironmentVariableW(L"PELANTO_FAKE_WLAN", nullptr);
  SetEnvironmentVariableW(L"PELANTO_FAKE_WLAN_LOG", nullptr);
  return queried;
}

long Count(const std::vector<std::string>& calls, const char* call) {
  return std::count(calls.begin(), calls.end(), call);
}

}  // namespace

TEST(WindowsWlanApi, ReportsEachStateAndGivesBackEverythingItGot) {
  using Answer = WlanReport::Answer;
  using State = WlanHostedNetworkState;
  struct Case {
    const wchar_t* state;
    Answer answer;
    bool hasInterface;
    State hostedNetwork;
  };
  const Case cases[] = {
      {L"active", Answer::Answered, true, State::Active},
      {L"idle", Answer::Answered, true, State::Idle},
      {L"unavailable", Answer::Answered, true, State::Unavailable},
      {L"no-interface", Answer::Answered, false, State::Unavailable},
      {L"service-stopped", Answer::ServiceNotRunning, false, State::Unavailable},
      {nullptr, Answer::None, false, State::Unavailable},  // the session cannot be opened
  };
  for (const Case& testCase : cases) {
    SCOPED_TRACE(testCase.state ? testCase.state : L"(unset)");
    const Queried queried = QueryWith(testCase.state);
    EXPECT_EQ(queried.report.answer, testCase.answer);
    EXPECT_EQ(queried.report.hasInterface, testCase.hasInterface);
    EXPECT_EQ(queried.report.state, testCase.hostedNetwork);
    EXPECT_EQ(Count(queried.calls, "open"), Count(queried.calls, "close"));
    EXPECT_EQ(Count(queried.calls, "allocate"), Count(queried.calls, "free"));
    // The library is loaded for the query only.
    EXPECT_EQ(GetModuleHandleW(L"wlanapi.dll"), nullptr);
  }
  EXPECT_EQ(QueryWith(L"idle").calls,
            (std::vector<std::string>{"open", "allocate", "allocate", "free", "free", "close"}));
}
