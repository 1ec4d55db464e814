#include <gtest/gtest.h>

#include "common/win32/reg_key.h"
#include "netsh_script.h"

// The whole program, started as a user starts it, in a folder of its own; the fake netsh is the
// test prefix's system one.

namespace {

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::wstring build = WindowsPath(PELANTO_BUILD_DIR) + L"\\";
    ASSERT_TRUE(CopyFileW((build + L"Pelanto.exe").c_str(), folder_.File(L"Pelanto.exe").c_str(), FALSE));
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\zenTura");
  }

  std::unique_ptr<ChildProcess> Launch(const std::wstring& parameters = L"") {
    return std::make_unique<ChildProcess>(L"\"" + folder_.File(L"Pelanto.exe") + L"\" " + parameters,
                                          folder_.Path());
  }
  static HWND MainWindowOf(const ChildProcess& process) {
    HWND window = nullptr;
    WaitUntil([&] { return (window = FindProcessWindow(process.Id(), nullptr, L"Pelanto")) != nullptr; });
    return window;
  }
  static void Quit(HWND window) { PostMessageW(window, WM_CLOSE, 0, 0); }

  NetshScript netsh_;
  TempFolder folder_;
};

}  // namespace

TEST_F(ProgramTest, SecondCopyIsRefusedAndAFreshOneStartsAfterQuit) {
  auto first = Launch();
  HWND window = MainWindowOf(*first);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }));

  auto second = Launch();
  const MessageBoxSeen box = WaitForMessageBox(L"提示", second->Id());
  ASSERT_NE(box.window, nullptr);
  EXPECT_EQ(box.text, L"《Pelanto》已经启动！");
  EXPECT_FALSE(box.hasCancel);
  PressButton(box.window, IDOK);
  EXPECT_EQ(second->Wait(), 0);
  EXPECT_TRUE(first->Running());
  EXPECT_EQ(FindProcessWindow(second->Id(), nullptr, L"Pelanto"), nullptr);

  Quit(window);
  EXPECT_EQ(first->Wait(), 0);
  const auto commands = netsh_.Commands();
  ASSERT_GE(commands.size(), 6u);
  EXPECT_EQ(commands[commands.size() - 2], "netsh wlan stop hostednetwork");
  EXPECT_EQ(commands.back(), "netsh wlan set hostednetwork mode=disallow");

  auto third = Launch();
  HWND again = MainWindowOf(*third);
  ASSERT_NE(again, nullptr);
  Quit(again);
  EXPECT_EQ(third->Wait(), 0);
}

TEST_F(ProgramTest, StartUpConfiguresTheHostedNetworkWithTheStoredSettings) {
  auto program = Launch();
  HWND window = MainWindowOf(*program);
  ASSERT_NE(window, nullptr);
  Quit(window);
  EXPECT_EQ(program->Wait(), 0);
  const auto commands = netsh_.Commands();
  ASSERT_GE(commands.size(), 4u);
  EXPECT_EQ(commands[2], "netsh wlan set hostednetwork mode=allow ssid=ZENTURA key=5831027469");
  EXPECT_EQ(commands[3], "netsh wlan start hostednetwork");
}

TEST_F(ProgramTest, MutexIsHeldUntilTheShutdownWorkIsDone) {
  auto first = Launch();
  HWND window = MainWindowOf(*first);
  ASSERT_NE(window, nullptr);
  // The quitting copy takes a while to stop the hosted network; a copy started meanwhile is
  // refused instead of configuring a network that is about to be stopped.
  netsh_.SleepIn(L"stop", 3000);
  Quit(window);
  auto second = Launch();
  const MessageBoxSeen box = WaitForMessageBox(L"提示", second->Id(), std::chrono::seconds(10));
  ASSERT_NE(box.window, nullptr);
  PressButton(box.window, IDOK);
  EXPECT_EQ(second->Wait(), 0);
  EXPECT_EQ(first->Wait(), 0);
}

TEST_F(ProgramTest, AutoParameterHidesTheWindowOnlyWhenExactAndFirst) {
  auto automatic = Launch(L"-auto");
  HWND window = MainWindowOf(*automatic);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(window) == FALSE; }));
  Quit(window);
  EXPECT_EQ(automatic->Wait(), 0);

  for (const wchar_t* parameters : {L"-AUTO", L"/auto", L"x -auto"}) {
    auto manual = Launch(parameters);
    HWND shown = MainWindowOf(*manual);
    ASSERT_NE(shown, nullptr);
    Sleep(1000);  // a posted automatic start would have hidden it by now
    EXPECT_TRUE(IsWindowVisible(shown)) << std::string(parameters, parameters + wcslen(parameters)).c_str();
    Quit(shown);
    EXPECT_EQ(manual->Wait(), 0);
  }
}

TEST_F(ProgramTest, WrongSettingTypeShowsTheErrorBoxAndTheWindowStillComesUp) {
  RegKey key;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\zenTura", 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, key.Receive(), nullptr),
            ERROR_SUCCESS);
  const DWORD number = 1;
  RegSetValueExW(key.Get(), L"wifiName", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), 4);

  auto program = Launch();
  const MessageBoxSeen box = WaitForMessageBox(L"Pelanto", program->Id());
  ASSERT_NE(box.window, nullptr);
  EXPECT_EQ(box.text, L"Invalid data type for 'wifiName'");
  PressButton(box.window, IDOK);
  HWND window = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    window = FindProcessWindow(program->Id(), L"TzenTuraMain", L"Pelanto");
    return window && IsWindowVisible(window);
  }));
  EXPECT_TRUE(netsh_.Commands().empty());  // the rest of creation was skipped
  Quit(window);
  EXPECT_EQ(program->Wait(), 0);
  // Shutdown still stops and disallows.
  EXPECT_EQ(netsh_.Commands().size(), 2u);
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\zenTura");
}
