#include <gtest/gtest.h>

#include "common/win32/reg_key.h"
#include "netsh_script.h"
#include "win/sharing/fake_netcon_server.h"

// The whole program switching sharing on and off for a scripted pair of connections, through
// the real COM path (the fake world registered as the sharing manager) and the fake NetShell.dll.

namespace {

constexpr char kPair[] =
    "connection|{11111111-0000-0000-0000-000000000001}|LAN|Realtek PCIe GBE|2|3|0|off|0\n"
    "connection|{22222222-0000-0000-0000-000000000001}|Hosted|Microsoft Virtual WiFi Miniport "
    "Adapter|0|2|0|off|0\n";
constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
// Centres of the start button (home screen) and the stop button (running screen).
constexpr POINT kStartButton{174, 163};
constexpr POINT kStopButton{174, 192};

class SharingProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::wstring build = WindowsPath(PELANTO_BUILD_DIR) + L"\\";
    ASSERT_TRUE(
        CopyFileW((build + L"Pelanto.exe").c_str(), folder_.File(L"Pelanto.exe").c_str(), FALSE));
    ASSERT_TRUE(CopyFileW((FakeNetShellFolder() + L"\\NetShell.dll").c_str(),
                          folder_.File(L"NetShell.dll").c_str(), FALSE));
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\zenTura");
    // Autostart already on: the start asks no question.
    RegKey run;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              run.Receive(), nullptr),
              ERROR_SUCCESS);
    const std::wstring value = L"x";
    RegSetValueExW(run.Get(), L"zenTura", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  }
  void TearDown() override {
    RegKey run;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_ALL_ACCESS, run.Receive()) ==
        ERROR_SUCCESS)
      RegDeleteValueW(run.Get(), L"zenTura");
  }
  bool LogHas(const std::string& line) {
    return WaitUntil([&] { return server_.Log().find(line) != std::string::npos; });
  }

  NetshScript netsh_;
  FakeNetconServer server_{kPair};
  TempFolder folder_;
};

}  // namespace

TEST_F(SharingProgramTest, StartAndStopSwitchSharingForTheScriptedPair) {
  ChildProcess program(L"\"" + folder_.File(L"Pelanto.exe") + L"\"", folder_.Path());
  HWND window = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    window = FindProcessWindow(program.Id(), L"TzenTuraMain", L"Pelanto");
    return window && IsWindowVisible(window);
  }));
  // Filling the lists connected the hosted adapter.
  EXPECT_TRUE(LogHas("Connect {22222222-0000-0000-0000-000000000001}"));

  ClickAt(window, kStartButton.x, kStartButton.y);
  EXPECT_TRUE(LogHas("EnableSharing {22222222-0000-0000-0000-000000000001} 1"));
  EXPECT_NE(server_.Log().find("EnableSharing {11111111-0000-0000-0000-000000000001} 0"),
            std::string::npos);

  ClickAt(window, kStopButton.x, kStopButton.y);
  EXPECT_TRUE(LogHas("DisableSharing {22222222-0000-0000-0000-000000000001}"));
  EXPECT_NE(server_.Log().find("DisableSharing {11111111-0000-0000-0000-000000000001}"),
            std::string::npos);

  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.Wait(), 0);
  EXPECT_EQ(FindProcessWindow(program.Id(), nullptr, L"Pelanto"), nullptr);
}
