#include <gtest/gtest.h>

#include "common/win32/helpers.h"
#include "common/win32/reg_key.h"
#include "win/support/win_test_support.h"

namespace {

constexpr wchar_t kTestKey[] = L"Software\\PelantoTest\\Registry";

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              key_.Receive(), nullptr),
              ERROR_SUCCESS);
  }
  void TearDown() override {
    key_.Close();
    RegDeleteKeyW(HKEY_CURRENT_USER, kTestKey);
  }
  void Set(const wchar_t* name, DWORD type, const void* data, DWORD size) {
    ASSERT_EQ(RegSetValueExW(key_.Get(), name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
  }
  std::wstring Read(const wchar_t* path, const wchar_t* name) {
    return ReadRegistryString(HKEY_CURRENT_USER, path, name, L"fallback");
  }
  RegKey key_;
};

}  // namespace

TEST_F(RegistryTest, ReadsStringsAndExpandableStringsAsStored) {
  Set(L"plain", REG_SZ, L"value 1", 16);
  Set(L"expand", REG_EXPAND_SZ, L"%TEMP%\\x", 18);
  EXPECT_EQ(Read(kTestKey, L"plain"), L"value 1");
  EXPECT_EQ(Read(kTestKey, L"expand"), L"%TEMP%\\x");
  EXPECT_EQ(Read(L"\\Software\\PelantoTest\\Registry", L"plain"), L"value 1");
}

TEST_F(RegistryTest, OtherTypesAndMissingThingsGiveTheDefault) {
  const DWORD number = 5;
  Set(L"number", REG_DWORD, &number, sizeof(number));
  EXPECT_EQ(Read(kTestKey, L"number"), L"fallback");
  EXPECT_EQ(Read(kTestKey, L"absent"), L"fallback");
  EXPECT_EQ(Read(L"Software\\PelantoTest\\NoSuchKey", L"plain"), L"fallback");
}

TEST_F(RegistryTest, TextEndsAtItsFirstNulAndUnterminatedValuesAreSafe) {
  Set(L"nul", REG_SZ, L"ab\0cd", 12);
  Set(L"unterminated", REG_SZ, L"xyz", 6);  // stored without its NUL
  Set(L"odd", REG_SZ, "abc", 3);             // an odd number of bytes
  EXPECT_EQ(Read(kTestKey, L"nul"), L"ab");
  EXPECT_EQ(Read(kTestKey, L"unterminated"), L"xyz");
  EXPECT_EQ(Read(kTestKey, L"odd").size(), 2u);  // the last byte makes a character of its own
}

TEST_F(RegistryTest, ReadsAMegabyteValue) {
  const std::wstring big(512 * 1024, L'x');
  Set(L"big", REG_SZ, big.c_str(), static_cast<DWORD>((big.size() + 1) * sizeof(wchar_t)));
  EXPECT_EQ(Read(kTestKey, L"big"), big);
}

TEST(OsVersion, IsReadTruthfullyEvenWhenTheSystemWouldLie) {
  // Wine reports version 6.1 unless told otherwise.
  EXPECT_EQ(OsMajorVersion(), 6u);
  EXPECT_TRUE(IsVistaOrLater());

  // A program without a compatibility manifest is told 6.2 on Windows 10 by GetVersionEx.
  RegKey appDefaults;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\AppDefaults\\os_version.exe", 0,
                            nullptr, 0, KEY_ALL_ACCESS, nullptr, appDefaults.Receive(), nullptr),
            ERROR_SUCCESS);
  RegSetValueExW(appDefaults.Get(), L"Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"win10"), 12);
  ChildProcess child(L"\"" + WinTestDirectory() + L"os_version.exe\"");
  EXPECT_EQ(child.Wait(), 10);
  RegDeleteValueW(appDefaults.Get(), L"Version");
}

TEST(ApplicationDirectory, IsTheExecutablesFolderWithTrailingBackslash) {
  const std::wstring directory = ApplicationDirectory();
  ASSERT_FALSE(directory.empty());
  EXPECT_EQ(directory.back(), L'\\');
  EXPECT_EQ(ExecutablePath().substr(0, directory.size()), directory);
  EXPECT_EQ(GetFileAttributesW((directory + L"cmd_printer.exe").c_str()) != INVALID_FILE_ATTRIBUTES, true);
}

TEST(OpenWebPage, HandsTheAddressToTheDefaultBrowser) {
  TempFolder folder;
  const std::wstring log = folder.File(L"urls.txt");
  SetEnvironmentVariableW(L"PELANTO_URL_LOG", log.c_str());
  RegKey command;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, L"http\\shell\\open\\command", 0,
                            nullptr, 0, KEY_ALL_ACCESS, nullptr, command.Receive(), nullptr),
            ERROR_SUCCESS);
  const std::wstring handler = L"\"" + WinTestDirectory() + L"url_recorder.exe\" \"%1\"";
  RegSetValueExW(command.Get(), nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(handler.c_str()),
                 static_cast<DWORD>((handler.size() + 1) * sizeof(wchar_t)));

  OpenWebPage(L"www.pelanto.example/bbs/");
  EXPECT_TRUE(WaitUntil([&] { return ReadLines(log).size() == 1; }));
  OpenWebPage(L"http://www.pelanto.example/about");
  EXPECT_TRUE(WaitUntil([&] { return ReadLines(log).size() == 2; }));
  const auto lines = ReadLines(log);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "http://www.pelanto.example/bbs/");
  EXPECT_EQ(lines[1], "http://www.pelanto.example/about");
  
}
