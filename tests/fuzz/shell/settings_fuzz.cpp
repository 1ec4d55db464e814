// Stored settings of any type, length and content through the window's creation and the
// opening of the settings page. Whatever the registry holds, the boxes show the stored text up
// to its first NUL (the default when that is empty), a value of another type ends the load
// with "Invalid data type for '<name>'" and leaves the boxes the load had not reached yet,
// and each list selects the entry of the stored identifier (exact text) or keeps its first
// entry, with the pair of sides following the selections. A start with what was loaded, and
// quitting after it, work whatever the texts are.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "sharing/nt_net_connection.h"
#include "unit/shell/controller_fixture.h"

namespace {

// The controller fixture of the unit tests, used here outside a test run.
struct SettingsWorld final : ControllerTest {
  void TestBody() override {}
};

constexpr char kConnections[] =
    "connection|{11111111-0000-0000-0000-000000000001}|A|Realtek|2|3|0|off|0\n"
    "connection|{11111111-0000-0000-0000-00000000000A}|B|Intel|2|3|0|off|0\n"
    "connection|{22222222-0000-0000-0000-000000000001}|W|Microsoft Virtual WiFi Miniport "
    "Adapter|2|2|0|off|0\n"
    "connection|{22222222-0000-0000-0000-00000000000B}|W2|Microsoft Virtual WiFi Miniport "
    "Adapter|2|2|0|off|0\n";
const std::array<std::wstring, 4> kIds = {
    L"{11111111-0000-0000-0000-000000000001}", L"{11111111-0000-0000-0000-00000000000A}",
    L"{22222222-0000-0000-0000-000000000001}", L"{22222222-0000-0000-0000-00000000000B}"};

// In the order LoadSettings reads them.
const std::array<const wchar_t*, 4> kValueNames = {kNetworkNameValue, kPasswordValue,
                                                   kInternetSideValue, kHostedSideValue};

void Check(bool condition) {
  if (!condition) std::abort();
}

struct Stored {
  bool present = false;
  bool isString = true;
  std::wstring text;
  std::wstring Visible() const { return text.substr(0, text.find(L'\0')); }
};

std::wstring FuzzText(FuzzedDataProvider& provider) {
  std::wstring text(provider.ConsumeIntegralInRange<size_t>(0, 300), L'\0');
  for (wchar_t& c : text) {
    c = provider.ConsumeBool() ? wchar_t(provider.ConsumeIntegralInRange(0, 127))
                               : wchar_t(provider.ConsumeIntegral<uint16_t>());
  }
  return text;
}

Stored FuzzValue(FuzzedDataProvider& provider) {
  Stored value;
  switch (provider.ConsumeIntegralInRange(0, 4)) {
    case 0: return value;
    case 1: value.isString = false; break;
    case 2: value.text = kIds[provider.ConsumeIntegralInRange<size_t>(0, kIds.size() - 1)]; break;
    case 3:  // an identifier with something after it, or in another letter case
      value.text = kIds[provider.ConsumeIntegralInRange<size_t>(0, kIds.size() - 1)];
      if (provider.ConsumeBool()) value.text[1] = L'a' + (value.text[1] - L'1') % 6;
      value.text += FuzzText(provider);
      break;
    default: break;
  }
  value.present = true;
  if (value.isString && value.text.empty()) value.text = FuzzText(provider);
  return value;
}

// The list's selection is the entry of `storedId` when one has it, else the first entry.
void CheckSide(const FakeMainView& view, AdapterList list, const TNTNetConnection* side,
               const std::wstring& storedId, size_t firstId) {
  int expected = 0;
  for (int i = 0; i < 2; ++i) {
    if (!storedId.empty() && kIds[firstId + size_t(i)] == storedId) expected = i;
  }
  Check(view.AdapterCount(list) == 2 && view.SelectedAdapterIndex(list) == expected);
  Check(side != nullptr && side == view.AdapterConnection(list, expected));
  Check(side->GuidId() == kIds[firstId + size_t(expected)]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider provider(data, size);
  // The join code is slow to draw: one input in eight goes on to start.
  const bool start = provider.ConsumeIntegralInRange(0, 7) == 0;
  std::array<Stored, 4> stored;
  for (Stored& value : stored) value = FuzzValue(provider);

  SettingsWorld world;
  world.Connections(kConnections);
  for (size_t i = 0; i < stored.size(); ++i) {
    if (stored[i].present) world.StoreSetting(kValueNames[i], stored[i].text, stored[i].isString);
  }
  size_t firstBad = 0;
  while (firstBad < stored.size() && !(stored[firstBad].present && !stored[firstBad].isString)) {
    ++firstBad;
  }
  const std::wstring name = firstBad == 0 ? L"zentura"
                            : stored[0].Visible().empty() ? kDefaultNetworkName
                                                          : stored[0].Visible();
  const std::wstring password = firstBad <= 1 ? L"5831027469"
                                : stored[1].Visible().empty() ? kDefaultPassword
                                                              : stored[1].Visible();

  world.view.autostartChecked = true;  // no question at the start
  TzenTuraMain& controller = world.Make();
  controller.FormCreate();
  controller.btnSettingClick();

  const FakeMainView& view = world.view;
  const auto& shown = world.dialogs.shown;
  Check(world.registry.openKeys == 0);
  Check(view.networkName == name && view.password == password);
  if (firstBad < stored.size()) {
    // Creation stopped at the load, before the hosted network was prepared: one error, and the
    // page does not open.
    const std::wstring message = L"Invalid data type for '" + std::wstring(kValueNames[firstBad]) + L"'";
    Check(shown.size() == 1 && shown[0].kind == L"error" && shown[0].text == message);
    Check(controller.GetMsgCode() == -1);
    Check(world.runner.commands.empty() && view.screen == FakeMainView::Screen::Home);
    Check(view.AdapterCount(AdapterList::Public) == 0 && view.trayEnabled);
    return 0;
  }
  Check(shown.empty() && controller.GetMsgCode() == 0);
  Check(view.screen == FakeMainView::Screen::Settings && !view.trayEnabled);
  CheckSide(view, AdapterList::Public, controller.InternetSide(), stored[2].Visible(), 0);
  CheckSide(view, AdapterList::Private, controller.HostedSide(), stored[3].Visible(), 2);

  if (!start) return 0;
  // Back home, the loaded name and key start the network with its join code; quitting stops it.
  controller.btnSetBackClick();
  controller.btnBeginClick();
  Check(shown.empty() && view.screen == FakeMainView::Screen::Running);
  Check(view.runningName == name && view.runningPassword == L"密码:" + password);
  controller.FormDestroy();
  Check(shown.empty() && view.screen == FakeMainView::Screen::Home);
  return 0;
}
