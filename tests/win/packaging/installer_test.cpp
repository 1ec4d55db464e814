#include <gtest/gtest.h>
#include <objbase.h>
#include <shlobj.h>

#include <memory>
#include <string>

#include "common/win32/reg_key.h"
#include "win/shell/netsh_script.h"
#include "win/support/fake_task_scheduler.h"

// The 64-bit installer, run silently as an administrator's script would run it, and its
// uninstaller, with and without a running copy of the program beside the fake netsh.

namespace {

constexpr wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Pelanto";
constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kSettingsKey[] = L"Software\\zenTura";

// Read for a value that is not there.
constexpr wchar_t kMissing[] = L"(missing)";

std::wstring ReadString(HKEY root, const wchar_t* key, const wchar_t* name) {
  wchar_t value[1024];
  DWORD size = sizeof(value);
  if (RegGetValueW(root, key, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS) return kMissing;
  return value;
}

void WriteString(HKEY root, const wchar_t* key, const wchar_t* name, const std::wstring& value) {
  RegKey opened;
  ASSERT_EQ(RegCreateKeyExW(root, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, opened.Receive(), nullptr),
            ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExW(opened.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                           static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))),
            ERROR_SUCCESS);
}

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::wstring Shortcut() {
  wchar_t folder[MAX_PATH] = L"";
  SHGetFolderPathW(nullptr, CSIDL_COMMON_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, folder);
  return std::wstring(folder) + L"\\Pelanto.lnk";
}

// Where a shortcut file points, or empty.
std::wstring ShortcutTarget(const std::wstring& file) {
  std::wstring target;
  IShellLinkW* link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(&link)))) {
    return target;
  }
  IPersistFile* persist = nullptr;
  if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist)))) {
    wchar_t path[MAX_PATH] = L"";
    if (SUCCEEDED(persist->Load(file.c_str(), STGM_READ)) &&
        SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH))) {
      target = path;
    }
    persist->Release();
  }
  link->Release();
  return target;
}

class Installer : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, L"zenTura");
    RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
    // The installation folder is the temporary folder itself (no trailing backslash for /D).
    directory_ = folder_.Path().substr(0, folder_.Path().size() - 1);
  }
  void TearDown() override {
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kUninstallKey);
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, L"zenTura");
    RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
    DeleteFileW(Shortcut().c_str());
    CoUninitialize();
  }

  std::wstring Installed(const wchar_t* name) const { return folder_.File(name); }

  long Install() {
    ChildProcess setup(L"\"" + WindowsPath(PELANTO_INSTALLER) + L"\" /S /D=" + directory_);
    return setup.Wait(std::chrono::seconds(120));
  }
  // Runs in place (_?=) so that it ends when the uninstallation has; it then cannot delete
  // itself, which the folder's cleanup does.
  long Uninstall() {
    ChildProcess uninstall(L"\"" + Installed(L"Uninstall.exe") + L"\" /S _?=" + directory_);
    return uninstall.Wait(std::chrono::seconds(120));
  }
  // The installed program, beside the fake netsh, started as the Start menu starts it.
  std::unique_ptr<ChildProcess> LaunchInstalled() {
    EXPECT_TRUE(CopyFileW((WinTestDirectory() + L"netsh.exe").c_str(), Installed(L"netsh.exe").c_str(), FALSE));
    auto program = std::make_unique<ChildProcess>(L"\"" + Installed(L"Pelanto.exe") + L"\"", folder_.Path());
    // Up once its window is there and the hosted network was started.
    EXPECT_TRUE(WaitUntil([&] {
      return FindProcessWindow(program->Id(), L"TzenTuraMain", L"Pelanto") && netsh_.Commands().size() >= 4;
    }));
    return program;
  }

  NetshScript netsh_;
  TempFolder folder_;
  std::wstring directory_;
};

}  // namespace

TEST_F(Installer, InstallsTheProgramShortcutAndUninstallEntry) {
  ASSERT_EQ(Install(), 0);
  const std::string program = ReadFileBytes(Installed(L"Pelanto.exe"));
  EXPECT_FALSE(program.empty());
  EXPECT_TRUE(program == ReadFileBytes(WindowsPath(PELANTO_PROGRAM)));
  EXPECT_TRUE(FileExists(Installed(L"Pelanto.ico")));
  EXPECT_TRUE(FileExists(Installed(L"Uninstall.exe")));

  ASSERT_TRUE(FileExists(Shortcut())) << Shortcut().size();
  EXPECT_EQ(ShortcutTarget(Shortcut()), Installed(L"Pelanto.exe"));

  const HKEY hklm = HKEY_LOCAL_MACHINE;
  EXPECT_EQ(ReadString(hklm, kUninstallKey, L"DisplayName"), L"Pelanto");
  EXPECT_EQ(ReadString(hklm, kUninstallKey, L"DisplayVersion"), L"" PELANTO_VERSION);
  EXPECT_EQ(ReadString(hklm, kUninstallKey, L"DisplayIcon"), Installed(L"Pelanto.ico"));
  EXPECT_EQ(ReadString(hklm, kUninstallKey, L"UninstallString"), L"\"" + Installed(L"Uninstall.exe") + L"\"");
  EXPECT_EQ(ReadString(hklm, kUninstallKey, L"Publisher"), L"Pelanto");
}

TEST_F(Installer, UninstallWithoutARunningCopyStopsTheNetworkRemovesTheLogonStartKeepsTheSettings) {
  ASSERT_EQ(Install(), 0);
  ASSERT_TRUE(CopyFileW((WinTestDirectory() + L"netsh.exe").c_str(), Installed(L"netsh.exe").c_str(), FALSE));
  WriteString(HKEY_CURRENT_USER, kRunKey, L"zenTura", L"\"" + Installed(L"Pelanto.exe") + L"\" -auto");
  WriteString(HKEY_CURRENT_USER, kSettingsKey, L"wifiName", L"KeptName");

  FakeTaskScheduler scheduler;

  ASSERT_EQ(Uninstall(), 0);
  EXPECT_EQ(netsh_.Commands(), (std::vector<std::string>{"netsh wlan stop hostednetwork",
                                                         "netsh wlan set hostednetwork mode=disallow"}));
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kRunKey, L"zenTura"), kMissing);
  const std::vector<std::string> calls = scheduler.Calls();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].rfind("DeleteTask Pelanto ", 0), 0u) << calls[0];
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kSettingsKey, L"wifiName"), L"KeptName");
  EXPECT_FALSE(FileExists(Installed(L"Pelanto.exe")));
  EXPECT_FALSE(FileExists(Installed(L"Pelanto.ico")));
  EXPECT_FALSE(FileExists(Shortcut()));
  RegKey entry;
  EXPECT_NE(RegOpenKeyExW(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_READ, entry.Receive()), ERROR_SUCCESS);
}

TEST_F(Installer, UninstallQuitsTheRunningCopyFirst) {
  ASSERT_EQ(Install(), 0);
  auto program = LaunchInstalled();
  WriteString(HKEY_CURRENT_USER, kRunKey, L"zenTura", L"\"" + Installed(L"Pelanto.exe") + L"\" -auto");
  // The quitting copy takes a while to stop the network: the uninstaller waits for it.
  netsh_.SleepIn(L"stop", 2000);

  ASSERT_EQ(Uninstall(), 0);
  EXPECT_EQ(program->Wait(std::chrono::milliseconds(0)), 0);
  const std::vector<std::string> commands = netsh_.Commands();
  ASSERT_EQ(commands.size(), 8u);
  for (size_t quitter : {4u, 6u}) {  // the program's own stop, then the uninstaller's
    EXPECT_EQ(commands[quitter], "netsh wlan stop hostednetwork") << quitter;
    EXPECT_EQ(commands[quitter + 1], "netsh wlan set hostednetwork mode=disallow") << quitter;
  }
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kRunKey, L"zenTura"), kMissing);
  EXPECT_FALSE(FileExists(Installed(L"Pelanto.exe")));
}

TEST_F(Installer, InstallingAgainReplacesARunningCopy) {
  ASSERT_EQ(Install(), 0);
  auto program = LaunchInstalled();

  // A file in use could not be replaced: the installer quits the copy first.
  ASSERT_EQ(Install(), 0);
  EXPECT_EQ(program->Wait(std::chrono::milliseconds(0)), 0);
  EXPECT_TRUE(ReadFileBytes(Installed(L"Pelanto.exe")) == ReadFileBytes(WindowsPath(PELANTO_PROGRAM)));
}

TEST_F(Installer, UninstallGivesUpOnACopyThatDoesNotQuitAndOnAHangingNetsh) {
  ASSERT_EQ(Install(), 0);
  auto program = LaunchInstalled();
  // Every stop now takes 25 s: longer than the uninstaller waits for the copy (20 s) and for
  // its own netsh (10 s).
  netsh_.SleepIn(L"stop", 25000);

  const auto start = std::chrono::steady_clock::now();
  ASSERT_EQ(Uninstall(), 0);
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start);
  EXPECT_GE(seconds.count(), 25);
  EXPECT_LT(seconds.count(), 50);  // besides, a few seconds for the logon task's deletion
  EXPECT_EQ(program->Wait(), 0);  // the copy ends on its own after its stop
  // The uninstaller's stop came while the copy was still in its own.
  EXPECT_EQ(netsh_.Commands(), (std::vector<std::string>{"netsh wlan stop hostednetwork",
                                                         "netsh wlan set hostednetwork mode=disallow",
                                                         "netsh wlan set hostednetwork mode=allow ssid=ZENTURA key=5831027469",
                                                         "netsh wlan start hostednetwork",
                                                         "netsh wlan stop hostednetwork",
                                                         "netsh wlan stop hostednetwork",
                                                         "netsh wlan set hostednetwork mode=disallow",
                                                         "netsh wlan set hostednetwork mode=disallow"}));
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kRunKey, L"zenTura"), kMissing);
  RegKey entry;
  EXPECT_NE(RegOpenKeyExW(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_READ, entry.Receive()), ERROR_SUCCESS);
}
