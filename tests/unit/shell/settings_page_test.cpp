#include "controller_fixture.h"
#include "shell/settings_rules.h"

namespace {

constexpr wchar_t kLanId[] = L"{11111111-0000-0000-0000-000000000001}";
constexpr wchar_t kLan2Id[] = L"{11111111-0000-0000-0000-000000000002}";
constexpr wchar_t kHostedId[] = L"{22222222-0000-0000-0000-000000000001}";
constexpr wchar_t kHosted2Id[] = L"{22222222-0000-0000-0000-000000000002}";

struct SettingsPageTest : ControllerTest {
  void OpenPage(std::string_view script =
                    "connection|{11111111-0000-0000-0000-000000000001}|LAN|Realtek|2|3|0|off|0\n"
                    "connection|{22222222-0000-0000-0000-000000000001}|W|Microsoft Virtual "
                    "WiFi Miniport Adapter|2|2|0|off|0\n") {
    Connections(script);
    Make().FormCreate();
    controller->btnSettingClick();
    runner.commands.clear();
  }
  void Type(const std::wstring& name, const std::wstring& key) {
    view.networkName = name;
    view.password = key;
  }
  std::wstring StoredText(const wchar_t* name) const {
    const FakeRegistry::Value* value = Stored(kSettingsKey, name);
    return value ? value->text : L"<missing>";
  }
};

}  // namespace

TEST_F(SettingsPageTest, OpeningDiscardsEditsSelectsSavedAndDisablesTheTrayItem) {
  StoreSetting(kNetworkNameValue, L"Saved1");
  StoreSetting(kInternetSideValue, kLan2Id);
  StoreSetting(kHostedSideValue, kHosted2Id);
  Connections(
      "connection|{11111111-0000-0000-0000-000000000001}|LAN|Realtek|2|3|0|off|0\n"
      "connection|{11111111-0000-0000-0000-000000000002}|LAN|Intel|2|3|0|off|0\n"
      "connection|{22222222-0000-0000-0000-000000000001}|W|Microsoft Virtual WiFi Miniport "
      "Adapter|2|2|0|off|0\n"
      "connection|{22222222-0000-0000-0000-000000000002}|W|Microsoft Virtual WiFi Miniport "
      "Adapter|2|2|0|off|0\n");
  Make().FormCreate();
  // Picked on the page and not saved.
  view.networkName = L"edited";
  view.SelectAdapter(AdapterList::Public, 0);
  view.SelectAdapter(AdapterList::Private, 0);
  controller->btnSettingClick();
  EXPECT_EQ(view.networkName, L"Saved1");
  EXPECT_EQ(view.publicList.Selected(), 1);
  EXPECT_EQ(view.privateList.Selected(), 1);
  EXPECT_EQ(view.steps, std::vector<std::wstring>{L"home>settings"});
  EXPECT_FALSE(view.trayEnabled);

  controller->btnSetBackClick();
  EXPECT_EQ(view.screen, FakeMainView::Screen::Home);
  EXPECT_TRUE(view.trayEnabled);
  EXPECT_EQ(StoredText(kNetworkNameValue), L"Saved1");
}

TEST_F(SettingsPageTest, CancelPutsBackTheTextsThePageOpenedWith) {
  StoreSetting(kNetworkNameValue, L"Saved1");
  StoreSetting(kPasswordValue, L"savedkey1");
  OpenPage();
  Type(L"edited", L"editedkey");
  controller->btnSetBackClick();
  EXPECT_EQ(view.networkName, L"Saved1");
  EXPECT_EQ(view.password, L"savedkey1");
  EXPECT_EQ(StoredText(kNetworkNameValue), L"Saved1");
}

TEST_F(SettingsPageTest, PageStaysClosedWhenTheHostedNetworkFailed) {
  system.majorVersion = 5;
  Make().FormCreate();
  view.networkName = L"edited";
  controller->btnSettingClick();
  EXPECT_EQ(view.networkName, L"edited");
  EXPECT_TRUE(view.steps.empty());
  EXPECT_TRUE(view.trayEnabled);
}

TEST_F(SettingsPageTest, TooShortEntriesShowTheMessageAndSaveNothing) {
  OpenPage();
  for (auto [name, key] : std::vector<std::pair<std::wstring, std::wstring>>{
           {L"abcde", L"12345678"}, {L"abcdef", L"1234567"}, {L"", L""}}) {
    dialogs.shown.clear();
    Type(name, key);
    controller->btnSetSaveClick();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, L"ask");
    EXPECT_EQ(
        dialogs.shown[0].text,
        L"请完善信息！！\r\n“WIFI名称”必须由6个以上字符组成。\r\n“密码”必须由8个以上字符组成。");
    EXPECT_EQ(dialogs.shown[0].caption, L"");
    EXPECT_EQ(StoredText(kNetworkNameValue), L"<missing>");
    EXPECT_TRUE(runner.commands.empty());
    EXPECT_EQ(view.screen, FakeMainView::Screen::Settings);
  }
}

TEST_F(SettingsPageTest, SavingStoresEverythingRestartsTheNetworkAndReturnsHome) {
  OpenPage();
  Type(L"abcdef", L"12345678");
  view.autostartChecked = true;
  system.directory = L"C:\\My Programs\\Pelanto 2\\";
  controller->btnSetSaveClick();
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(StoredText(kNetworkNameValue), L"abcdef");
  EXPECT_EQ(StoredText(kPasswordValue), L"12345678");
  EXPECT_EQ(StoredText(kInternetSideValue), kLanId);
  EXPECT_EQ(StoredText(kHostedSideValue), kHostedId);
  ASSERT_NE(Stored(kRunKey, kRunValueName), nullptr);
  EXPECT_EQ(Stored(kRunKey, kRunValueName)->text,
            L"\"C:\\My Programs\\Pelanto 2\\Pelanto.exe\" -auto");
  EXPECT_TRUE(logonTask.registered);
  EXPECT_EQ(logonTask.program, L"C:\\My Programs\\Pelanto 2\\Pelanto.exe");
  EXPECT_TRUE(Ran(L"mode=allow ssid=abcdef key=12345678"));
  EXPECT_TRUE(Ran(L"start hostednetwork"));
  EXPECT_EQ(controller->GetMsgCode(), 0);
  EXPECT_EQ(view.screen, FakeMainView::Screen::Home);
  EXPECT_TRUE(view.trayEnabled);
  EXPECT_EQ(registry.openKeys, 0);
}

TEST_F(SettingsPageTest, UncheckedAutostartDeletesTheRunValueAndTheTaskAndMissingIsFine) {
  OpenPage();
  Type(L"abcdef", L"12345678");
  controller->btnSetSaveClick();
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(Stored(kRunKey, kRunValueName), nullptr);

  registry.keys[kRunKey][kRunValueName] = {true, L"old"};
  logonTask.registered = true;
  controller->btnSettingClick();
  controller->btnSetSaveClick();
  EXPECT_EQ(Stored(kRunKey, kRunValueName), nullptr);
  EXPECT_FALSE(logonTask.registered);
  EXPECT_EQ(logonTask.deletions, 2);
}

TEST_F(SettingsPageTest, EmptyListsStoreEmptyIdentifiers) {
  OpenPage("");
  Type(L"abcdef", L"12345678");
  controller->btnSetSaveClick();
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(StoredText(kInternetSideValue), L"");
  EXPECT_EQ(StoredText(kHostedSideValue), L"");
}

TEST_F(SettingsPageTest, FailedWriteStopsAtThatValueAndKeepsThePageOpen) {
  OpenPage();
  Type(L"abcdef", L"12345678");
  registry.failWriteOf = kPasswordValue;
  controller->btnSetSaveClick();
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].kind, L"error");
  EXPECT_EQ(dialogs.shown[0].text, L"Failed to set data for 'wifiPsw'");
  EXPECT_EQ(StoredText(kNetworkNameValue), L"abcdef");
  EXPECT_EQ(StoredText(kInternetSideValue), L"<missing>");
  EXPECT_TRUE(runner.commands.empty());
  EXPECT_EQ(view.screen, FakeMainView::Screen::Settings);
  EXPECT_FALSE(view.trayEnabled);
  EXPECT_EQ(registry.openKeys, 0);
}

TEST_F(SettingsPageTest, FailedTaskRegistrationIsAWriteErrorAfterTheRunValue) {
  OpenPage();
  Type(L"abcdef", L"12345678");
  view.autostartChecked = true;
  logonTask.failRegister = true;
  controller->btnSetSaveClick();
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].kind, L"error");
  EXPECT_EQ(dialogs.shown[0].text, L"Failed to set data for 'Pelanto task'");
  EXPECT_NE(Stored(kRunKey, kRunValueName), nullptr);
  EXPECT_TRUE(runner.commands.empty());
  EXPECT_EQ(view.screen, FakeMainView::Screen::Settings);
  EXPECT_EQ(registry.openKeys, 0);
}

TEST_F(SettingsPageTest, KeyFilterLetsOnlyLettersDigitsAndBackspaceUpTo18) {
  OpenPage();
  auto typed = [this](bool password, wchar_t character) {
    uint16_t key = 0x41;
    wchar_t keyChar = character;
    if (password) {
      controller->tPwdKeyDown(key, keyChar);
    } else {
      controller->tSSIDNameKeyDown(key, keyChar);
    }
    EXPECT_EQ(key, 0x41);
    return keyChar;
  };
  for (bool password : {false, true}) {
    Type(L"abc", L"abc");
    for (wchar_t accepted : {L'a', L'z', L'A', L'Z', L'0', L'9', L'\b'})
      EXPECT_EQ(typed(password, accepted), accepted);
    for (wchar_t refused : {L' ', L'-', L'中', L'@', L'[', L'`', L'{', L'/', L':'})
      EXPECT_EQ(typed(password, refused), 0);
    Type(std::wstring(17, L'x'), std::wstring(17, L'x'));
    EXPECT_EQ(typed(password, L'a'), L'a');
    Type(std::wstring(18, L'x'), std::wstring(18, L'x'));
    EXPECT_EQ(typed(password, L'a'), 0);
  }
  // Each box counts its own text.
  Type(std::wstring(18, L'x'), L"abc");
  EXPECT_EQ(typed(true, L'a'), L'a');
}

TEST(SettingsRulesTest, LengthsCountUtf16CodeUnits) {
  EXPECT_EQ(Utf16Length(L"abc"), 3u);
  // One character beyond the BMP: a surrogate pair where wchar_t is 16 bits, one unit elsewhere;
  // either way two UTF-16 code units.
  EXPECT_EQ(Utf16Length(L"\U0001F600"), 2u);
  EXPECT_TRUE(SettingsComplete(L"abcd\U0001F600", L"12345678"));
  EXPECT_TRUE(SettingsComplete(L"中文中文中文", L"12345678"));
  EXPECT_FALSE(SettingsComplete(L"abcdef", L"1234567"));
}
