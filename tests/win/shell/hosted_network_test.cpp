#include <gtest/gtest.h>

#include "netsh_script.h"
#include "shell/hosted_network.h"
#include "shell/win32/platform_ports_win32.h"

// The real pipe, process and code page, against the fake netsh that the test prefix has as its
// system one (a copy of it also lies in this program's folder, where it must not be found).

namespace {

const std::string kNotRunning936 = "\xC3\xBB\xD3\xD0\xD4\xCB\xD0\xD0";                  // 没有运行
const std::string kCouldNotStart936 = "\xCE\xDE\xB7\xA8\xC6\xF4\xB6\xAF\xB3\xD0\xD4\xD8\xCD\xF8\xC2\xE7";  // 无法启动承载网络

// Where the system's netsh really lies: a 32-bit program's system folder is SysWOW64 on 64-bit
// Windows (the path the program asks for is redirected there).
std::string SystemNetsh() {
  char folder[MAX_PATH] = {};
  const bool wow64 = sizeof(void*) == 4 && GetSystemWow64DirectoryA(folder, MAX_PATH) != 0;
  if (!wow64) GetSystemDirectoryA(folder, MAX_PATH);
  return std::string(folder) + "\\netsh.exe";
}

int Start(const std::wstring& name, const std::wstring& key) {
  WindowsCommandRunner runner;
  WindowsSystemFacts system;
  return ControlHostedNetwork(runner, system, name, key, false);
}

}  // namespace

TEST(HostedNetworkOnWindows, RunsTheFourCommandsAndReadsSuccess) {
  NetshScript netsh;
  netsh.Print(L"allow", "The hosted network mode has been set to allow.\r\n");
  netsh.Print(L"start", "The hosted network started.\r\n");
  EXPECT_EQ(Start(L"HomeNet7", L"abcdefgh12"), kHostedNetworkReady);
  EXPECT_EQ(netsh.Commands(),
            (std::vector<std::string>{"netsh wlan stop hostednetwork",
                                      "netsh wlan set hostednetwork mode=disallow",
                                      "netsh wlan set hostednetwork mode=allow ssid=HomeNet7 key=abcdefgh12",
                                      "netsh wlan start hostednetwork"}));
  EXPECT_EQ(netsh.Programs(), std::vector<std::string>(4, SystemNetsh()));
}

TEST(HostedNetworkOnWindows, FindsTheNotRunningMarkerInCodePage936) {
  NetshScript netsh;
  netsh.Print(L"allow", "WLAN AutoConfig " + kNotRunning936 + "\xA1\xA3\r\n");
  EXPECT_EQ(Start(L"HomeNet7", L"abcdefgh12"), kHostedNetworkUnavailable);
  EXPECT_EQ(netsh.Commands().size(), 3u);  // start is not run
}

TEST(HostedNetworkOnWindows, FindsTheCouldNotStartMarkerInCodePage936) {
  NetshScript netsh;
  netsh.Print(L"start", kCouldNotStart936 + "\xA1\xA3\r\n");
  EXPECT_EQ(Start(L"HomeNet7", L"abcdefgh12"), kHostedNetworkUnavailable);
  EXPECT_EQ(netsh.Commands().size(), 4u);
}

TEST(HostedNetworkOnWindows, NamesReachNetshInTheCodePageAndWithSpacesQuoted) {
  NetshScript netsh;
  EXPECT_EQ(Start(L"热点 one", L"pass\tword"), kHostedNetworkReady);
  // 热点 in code page 936; a character the code page lacks arrives as its default character.
  EXPECT_EQ(netsh.Commands().at(2),
            "netsh wlan set hostednetwork mode=allow ssid=\"\xC8\xC8\xB5\xE3 one\" key=\"pass\tword\"");
  NetshScript second;
  Start(L"net\u0E01", L"12345678");
  EXPECT_EQ(second.Commands().at(2), "netsh wlan set hostednetwork mode=allow ssid=net? key=12345678");
}

TEST(HostedNetworkOnWindows, StopModeStopsThenDisallows) {
  NetshScript netsh;
  WindowsCommandRunner runner;
  WindowsSystemFacts system;
  EXPECT_EQ(ControlHostedNetwork(runner, system, L"", L"", true), 0);
  EXPECT_EQ(netsh.Commands(), (std::vector<std::string>{"netsh wlan stop hostednetwork",
                                                        "netsh wlan set hostednetwork mode=disallow"}));
}
