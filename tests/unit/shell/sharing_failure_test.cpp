// Every COM call of the start and stop actions made to fail in turn: the action ends with the
// standard error box (or goes on, where the sharing component treats the result as an end or
// an absence), the screens stay as the handlers leave them at that step, sharing is never
// reported started or stopped when it is not, and nothing is leaked.
#include <string>
#include <vector>

#include "controller_fixture.h"

namespace {

constexpr char kWorld[] =
    "connection|{11111111-0000-0000-0000-000000000001}|LAN|Realtek PCIe GBE|2|3|0|off|0\n"
    "connection|{11111111-0000-0000-0000-000000000002}|Other|Intel|2|3|0|off|0\n"
    "connection|{22222222-0000-0000-0000-000000000001}|W|Microsoft Virtual WiFi Miniport "
    "Adapter|0|2|0|off|0\n";

// One call of the world to fail: the `nth` call of `method` since the world was reset.
struct InjectedCall {
  std::string method;
  int nth;
};

std::string Describe(const InjectedCall& call, HRESULT result) {
  return call.method + " #" + std::to_string(call.nth) + " -> " + std::to_string(result);
}

// What the sharing component makes of a failed call: quiet where the result only ends the
// enumeration, drops a sharing configuration or leaves the manager missing, else the error
// it raises.
std::wstring ErrorFor(const std::string& method) {
  if (method == "Next" || method == "get_INetSharingConfigurationForINetConnection" ||
      method == "CoCreateInstance") {
    return L"";
  }
  if (method.rfind("QueryInterface.", 0) == 0) return L"Interface not supported";
  return L"OLE error 80004005";
}

enum class Stage { Made, Created, Started };

struct SharingFailureTest : ControllerTest {
  // A fresh world and controller, brought to `stage`. The hosted adapter is disconnected until
  // the first fill connects it; `reconnect` disconnects it again, so the next fill connects it
  // once more.
  void Prepare(Stage stage, bool reconnect = false) {
    controller.reset();
    sharing.reset();
    world.Reset();
    LoadNetconScript(world, kWorld);
    sharing.emplace(platform);
    view = FakeMainView();
    view.autostartChecked = true;
    dialogs.shown.clear();
    Make();
    if (stage != Stage::Made) controller->FormCreate();
    if (stage == Stage::Started) controller->btnBeginClick();
    if (reconnect) Hosted().status = NCS_DISCONNECTED;
    EXPECT_TRUE(dialogs.shown.empty());
    view.steps.clear();
    view.spinnerStarts = 0;
    runner.commands.clear();
  }

  // The calls `action` makes in a world where nothing fails.
  template <typename Action>
  std::vector<InjectedCall> CallsOf(Stage stage, bool reconnect, Action action) {
    Prepare(stage, reconnect);
    const std::map<std::string, int> before = world.CallCounts();
    action();
    std::vector<InjectedCall> calls;
    for (const auto& [method, count] : world.CallCounts()) {
      const auto previous = before.find(method);
      for (int nth = previous == before.end() ? 1 : previous->second + 1; nth <= count; ++nth) {
        calls.push_back({method, nth});
      }
    }
    return calls;
  }

  FakeConnection& Lan() { return *world.LiveConnections()[0]; }
  FakeConnection& Hosted() { return *world.LiveConnections()[2]; }
  bool Shared(const FakeConnection& connection, uint32_t type) const {
    return connection.sharingEnabled && connection.sharingType == type;
  }

  // The error boxes shown, each by its text.
  std::vector<std::wstring> ErrorBoxes() const {
    std::vector<std::wstring> texts;
    for (const auto& shown : dialogs.shown) {
      EXPECT_EQ(shown.kind, L"error");
      texts.push_back(shown.text);
    }
    return texts;
  }

  // A fresh world at `stage` in which `action` meets the failure of `call`.
  template <typename Action>
  void RunFailing(Stage stage, const InjectedCall& call, HRESULT result, Action action,
                  bool reconnect = false) {
    Prepare(stage, reconnect);
    world.FailCall(call.method, result, call.nth);
    action();
  }
};

std::vector<std::wstring> Boxes(const std::wstring& error) {
  return error.empty() ? std::vector<std::wstring>{} : std::vector<std::wstring>{error};
}

}  // namespace

TEST_F(SharingFailureTest, EachFailedCallOfTheStartEndsItWithTheErrorBoxOnTheRunningScreen) {
  for (bool reconnect : {false, true}) {
    const auto calls = CallsOf(Stage::Created, reconnect, [&] { controller->btnBeginClick(); });
    ASSERT_GE(calls.size(), 10u);
    for (const InjectedCall& call : calls) {
      for (HRESULT result : {E_FAIL, S_FALSE}) {
        SCOPED_TRACE(Describe(call, result) + (reconnect ? " (reconnecting)" : ""));
        RunFailing(
            Stage::Created, call, result, [&] { controller->btnBeginClick(); }, reconnect);

        const std::wstring error = FAILED(result) ? ErrorFor(call.method) : L"";
        EXPECT_EQ(ErrorBoxes(), Boxes(error));
        // The running screen comes first and stays; only a finished start turns the spinner.
        EXPECT_EQ(view.screen, FakeMainView::Screen::Running);
        EXPECT_TRUE(view.trayChecked);
        EXPECT_EQ(view.spinnerStarts, error.empty() ? 1 : 0);
        // Sharing is on for the pair exactly when no error was shown.
        const bool started =
            Shared(Lan(), ICSSHARINGTYPE_PUBLIC) && Shared(Hosted(), ICSSHARINGTYPE_PRIVATE);
        EXPECT_EQ(started, error.empty());
        ExpectNothingLeft();
      }
    }
  }
}

TEST_F(SharingFailureTest, AStartAfterAFailedOneFinishesTheJob) {
  Prepare(Stage::Created);
  world.FailCall("EnableSharing", E_FAIL, world.Calls("EnableSharing") + 2);
  controller->btnBeginClick();
  ASSERT_EQ(ErrorBoxes(), Boxes(L"OLE error 80004005"));
  EXPECT_TRUE(Shared(Lan(), ICSSHARINGTYPE_PUBLIC));
  EXPECT_FALSE(Hosted().sharingEnabled);

  // The user gets back with the stop button and starts again.
  controller->btnStopClick();
  controller->btnBeginClick();
  EXPECT_EQ(dialogs.shown.size(), 1u);
  EXPECT_TRUE(Shared(Lan(), ICSSHARINGTYPE_PUBLIC));
  EXPECT_TRUE(Shared(Hosted(), ICSSHARINGTYPE_PRIVATE));
  EXPECT_EQ(view.spinnerStarts, 1);
}

TEST_F(SharingFailureTest, EachFailedCallOfTheStopShowsTheErrorBackOnTheHomeScreen) {
  for (bool quitting : {false, true}) {
    const auto stop = [&] { quitting ? controller->FormDestroy() : controller->btnStopClick(); };
    const auto calls = CallsOf(Stage::Started, false, stop);
    ASSERT_EQ(calls.size(), 2u);  // switching off the Internet side, then the hosted side
    for (const InjectedCall& call : calls) {
      SCOPED_TRACE(Describe(call, E_FAIL) + (quitting ? " (quitting)" : ""));
      RunFailing(Stage::Started, call, E_FAIL, stop);

      EXPECT_EQ(ErrorBoxes(), Boxes(ErrorFor(call.method)));
      EXPECT_EQ(view.screen, FakeMainView::Screen::Home);
      EXPECT_FALSE(view.trayChecked);
      // Each side is switched off in its own attempt: only the failed one stays shared.
      const bool internetSideFailed = call.nth == calls.front().nth;
      EXPECT_EQ(Lan().sharingEnabled, internetSideFailed);
      EXPECT_EQ(Hosted().sharingEnabled, !internetSideFailed);
      // Quitting stops the hosted network all the same.
      if (quitting) {
        EXPECT_EQ(runner.commands,
                  (std::vector<std::wstring>{L"netsh wlan stop hostednetwork",
                                             L"netsh wlan set hostednetwork mode=disallow"}));
      }
      ExpectNothingLeft();
    }
  }
}

TEST_F(SharingFailureTest, AStopFailingOnBothSidesTriesBothAndShowsTheFirstError) {
  Prepare(Stage::Started);
  const int before = world.Calls("DisableSharing");
  world.FailCall("DisableSharing", static_cast<HRESULT>(0x80070005u), before + 1);
  world.FailCall("DisableSharing", E_FAIL, before + 2);
  controller->btnStopClick();
  EXPECT_EQ(world.Calls("DisableSharing"), before + 2);
  EXPECT_EQ(ErrorBoxes(), Boxes(L"OLE error 80070005"));
}

TEST_F(SharingFailureTest, EachFailedCallOfTheCreationShowsTheErrorBoxAndTheWindowStillWorks) {
  const auto calls = CallsOf(Stage::Made, false, [&] { controller->FormCreate(); });
  ASSERT_GE(calls.size(), 8u);
  for (const InjectedCall& call : calls) {
    SCOPED_TRACE(Describe(call, E_FAIL));
    RunFailing(Stage::Made, call, E_FAIL, [&] {
      view.autostartChecked = false;
      registry.keys[kRunKey][kRunValueName] = {true, L"x"};
      controller->FormCreate();
    });

    const std::wstring error = ErrorFor(call.method);
    EXPECT_EQ(ErrorBoxes(), Boxes(error));
    // An error skips the rest of the creation, the autostart box among it.
    EXPECT_EQ(view.autostartChecked, error.empty());
    EXPECT_EQ(view.screen, FakeMainView::Screen::Home);

    // Whatever the lists got, starting, stopping and quitting work on them without a crash.
    controller->btnBeginClick();
    controller->btnStopClick();
    controller->FormDestroy();
    ExpectNothingLeft();
  }
}
