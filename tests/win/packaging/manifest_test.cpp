#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

#include "win/support/win_test_support.h"

// The resources of the built program, read as Windows reads them before the program starts.

namespace {

BOOL CALLBACK CountName(HMODULE, LPCWSTR, LPWSTR, LONG_PTR counter) {
  ++*reinterpret_cast<int*>(counter);
  return TRUE;
}

BOOL CALLBACK CountLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD, LONG_PTR counter) {
  ++*reinterpret_cast<int*>(counter);
  return TRUE;
}

class ProgramResources : public ::testing::Test {
 protected:
  void SetUp() override {
    module_ = LoadLibraryExW(WindowsPath(PELANTO_PROGRAM).c_str(), nullptr,
                             LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module_, nullptr) << GetLastError();
  }
  void TearDown() override {
    if (module_) FreeLibrary(module_);
  }

  std::string Resource(const wchar_t* type, const wchar_t* name) const {
    HRSRC found = FindResourceW(module_, name, type);
    if (!found) return {};
    HGLOBAL loaded = LoadResource(module_, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    return bytes ? std::string(static_cast<const char*>(bytes), SizeofResource(module_, found)) : std::string();
  }

  int CountNames(const wchar_t* type) const {
    int count = 0;
    EnumResourceNamesW(module_, type, CountName, reinterpret_cast<LONG_PTR>(&count));
    return count;
  }

  int CountLanguages(const wchar_t* type, const wchar_t* name) const {
    int count = 0;
    EnumResourceLanguagesW(module_, type, name, CountLanguage, reinterpret_cast<LONG_PTR>(&count));
    return count;
  }

  HMODULE module_ = nullptr;
};

// The text of the first element `<tag ...>` that contains `marker`, or empty.
std::string ElementWith(const std::string& xml, const std::string& tag, const std::string& marker) {
  for (size_t at = xml.find("<" + tag); at != std::string::npos; at = xml.find("<" + tag, at + 1)) {
    const size_t end = xml.find('>', at);
    if (end == std::string::npos) return {};
    const std::string element = xml.substr(at, end - at + 1);
    if (element.find(marker) != std::string::npos) return element;
  }
  return {};
}

}  // namespace

TEST_F(ProgramResources, ExactlyOneManifestAsResourceOne) {
  EXPECT_EQ(CountNames(RT_MANIFEST), 1);
  EXPECT_EQ(CountLanguages(RT_MANIFEST, MAKEINTRESOURCEW(1)), 1);
  EXPECT_FALSE(Resource(RT_MANIFEST, MAKEINTRESOURCEW(1)).empty());
}

TEST_F(ProgramResources, ManifestAsksForAdministratorAndCommonControlsSix) {
  const std::string manifest = Resource(RT_MANIFEST, MAKEINTRESOURCEW(1));
  ASSERT_FALSE(manifest.empty());

  const std::string level = ElementWith(manifest, "requestedExecutionLevel", "level=");
  EXPECT_NE(level.find("level=\"requireAdministrator\""), std::string::npos) << level;
  EXPECT_NE(level.find("uiAccess=\"false\""), std::string::npos) << level;

  const std::string controls = ElementWith(manifest, "assemblyIdentity", "Microsoft.Windows.Common-Controls");
  EXPECT_NE(controls.find("version=\"6.0.0.0\""), std::string::npos) << controls;
  EXPECT_NE(controls.find("processorArchitecture=\"*\""), std::string::npos) << controls;
  EXPECT_NE(controls.find("publicKeyToken=\"6595b64144ccf1df\""), std::string::npos) << controls;
  EXPECT_NE(manifest.find("<dependentAssembly>"), std::string::npos);

  // Drawn in pixels at fixed sizes: Windows scales the window on high-DPI screens.
  EXPECT_EQ(manifest.find("<dpiAware"), std::string::npos);  // also <dpiAwareness>
}

TEST_F(ProgramResources, ManifestNamesWindows7To11) {
  const std::string manifest = Resource(RT_MANIFEST, MAKEINTRESOURCEW(1));
  for (const char* id : {"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",    // 7
                         "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",    // 8
                         "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",    // 8.1
                         "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}) {  // 10 and 11
    EXPECT_FALSE(ElementWith(manifest, "supportedOS", std::string("Id=\"") + id + "\"").empty()) << id;
  }
}

TEST_F(ProgramResources, VersionBlockAndIconGroupArePresent) {
  EXPECT_FALSE(Resource(RT_VERSION, MAKEINTRESOURCEW(1)).empty());
  EXPECT_GE(CountNames(RT_GROUP_ICON), 1);
  EXPECT_GE(CountNames(RT_ICON), 1);
}

// An elevated program must not load a DLL planted beside it: at load time it may import only
// DLLs that Windows 7 to 11 protect as known DLLs; the rest it takes from the system folder.
TEST_F(ProgramResources, ImportsOnlyKnownDlls) {
  // Mapped as an image: the low bits of the handle only mark it as such.
  const auto* base = reinterpret_cast<const BYTE*>(reinterpret_cast<ULONG_PTR>(module_) &
                                                   ~static_cast<ULONG_PTR>(3));
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& directory =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  ASSERT_NE(directory.VirtualAddress, 0u);
  const std::set<std::string> known = {"advapi32.dll", "comdlg32.dll", "gdi32.dll",
                                       "imm32.dll",    "kernel32.dll", "msvcrt.dll",
                                       "ole32.dll",    "oleaut32.dll", "rpcrt4.dll",
                                       "shell32.dll",  "shlwapi.dll",  "user32.dll",
                                       "ws2_32.dll"};
  int imports = 0;
  for (auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
       entry->Name != 0; ++entry, ++imports) {
    std::string name = reinterpret_cast<const char*>(base + entry->Name);
    for (char& c : name) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    EXPECT_TRUE(known.count(name)) << name << " is no known DLL";
  }
  EXPECT_GT(imports, 3);
}
