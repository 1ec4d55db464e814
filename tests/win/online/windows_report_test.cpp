#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>

#include "common/win32/helpers.h"
#include "common/win32/reg_key.h"
#include "fakes/http/recording_server.h"
#include "online/hosts.h"
#include "online/http_url.h"
#include "online/report_code.h"
#include "online/win32/report_win32.h"
#include "online/wire_text.h"

using namespace std::chrono_literals;
using ::testing::HasSubstr;

namespace {

constexpr wchar_t kSettingsKey[] = L"Software\\zenTura";

std::string Body(const std::string& request) {
  return request.substr(request.find("\r\n\r\n") + 4);
}

// Sets or (with nullptr) deletes the "UID" value of the test prefix's registry.
void SetUid(const wchar_t* value) {
  RegKey key;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            key.Receive(), nullptr),
            ERROR_SUCCESS);
  if (value) {
    RegSetValueExW(key.Get(), L"UID", 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                   DWORD((wcslen(value) + 1) * sizeof(wchar_t)));
  } else {
    RegDeleteValueW(key.Get(), L"UID");
  }
}

// Runs one report through the window's entry point against a server on the build's port.
std::string ReportBody(RecordingServer& server) {
  server.Answer({"HTTP/1.1 200 OK\r\nSet-Cookie: sid=9; path=/\r\nContent-Length: 0\r\n\r\n"});
  server.Answer({"HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n"});
  WindowsUsageReport report;
  report.WMSendReport();
  report.Context().WaitUntilIdle();
  const auto requests = server.Requests();
  return requests.size() == 2 ? Body(requests[1])
                              : "(" + std::to_string(requests.size()) + " requests)";
}

}  // namespace

TEST(WindowsReport, FileVersionOfTheRunningProgramAndOfFilesWithoutOne) {
  EXPECT_EQ(GetFileVersion(ExecutablePath()), L"2.1.0.17");
  EXPECT_EQ(GetFileVersion(L"C:\\no\\such\\file.exe"), L"");
  const std::wstring plain = ApplicationDirectory() + L"online_plain_file.txt";
  std::ofstream(plain.c_str()) << "no version here";
  EXPECT_EQ(GetFileVersion(plain), L"");
  DeleteFileW(plain.c_str());
}

TEST(WindowsReport, MacAddressIsTwelveHexDigitsOrEmpty) {
  const std::string mac = AsciiFromWide(GetMacAddress(0));
  EXPECT_TRUE(mac.empty() ||
              (mac.size() == 12 && mac.find_first_not_of("0123456789ABCDEF") == std::string::npos))
      << mac;
  EXPECT_EQ(GetMacAddress(255), L"");
}

TEST(WindowsReport, MessageSendsRegistryUidProgramVersionAndSignature) {
  const uint16_t port = ParseHttpUrl("http://" + StatsHost() + "/").port;
  const std::wstring mac = GetMacAddress(0);
  const std::string macField = mac.empty() ? "" : "mac=" + AsciiFromWide(mac) + "&";
  {
    SetUid(nullptr);
    RecordingServer server(port);
    EXPECT_EQ(ReportBody(server), "uid=1015&c=1&" + macField + "v=2.1.0.17&ppm=1&code=" +
                                      AsciiFromWide(MakeReportCode(mac, L"2.1.0.17", L"1015")));
    EXPECT_THAT(server.Requests()[1], HasSubstr("\r\nCookie: sid=9\r\n"));
  }
  {
    SetUid(L"");
    RecordingServer server(port);
    EXPECT_EQ(ReportBody(server), "c=1&" + macField + "v=2.1.0.17&ppm=1&code=" +
                                      AsciiFromWide(MakeReportCode(mac, L"2.1.0.17", L"")));
  }
  SetUid(nullptr);
}
