#include <gtest/gtest.h>
#include <windows.h>

#include <objbase.h>

#include <optional>
#include <thread>

#include "sharing/InitComSecurity.h"
#include "sharing/NTFireWall.h"
#include "sharing/com_error.h"
#include "sharing/guid_text.h"
#include "sharing/win32/sharing_startup.h"
#include "unit/sharing/error_of.h"
#include "win/sharing/fake_netcon_server.h"
#include "win/support/win_test_support.h"

namespace {

constexpr wchar_t kMissingLibrary[] = L"Cannot load library \"NetShell.dll\" or linked libraries";

constexpr char kWorld[] =
    "connection|{A1B2C3D4-0000-4000-8000-00000000000A}|本地连接|Realtek PCIe GBE Family "
    "Controller|2|3|0|public|0\n"
    "connection|{A1B2C3D4-0000-4000-8000-00000000000B}|无线网络连接 2|Microsoft Virtual WiFi "
    "Miniport Adapter|0|3|0|off|0\n"
    "connection|{A1B2C3D4-0000-4000-8000-00000000000C}|网桥|MAC Bridge Miniport|2|7|0|none|0\n";

// The program's start-up for one test: NetShell.dll found or not, COM set up on this thread.
class Startup {
 public:
  explicit Startup(bool withNetShell) {
    if (withNetShell) {
      netShell_.emplace(FakeNetShellFolder() + L"\\NetShell.dll", L"NetShell.dll");
      EXPECT_TRUE(netShell_->Placed());
    }
    startup_.emplace();
  }
  SharingPlatform& Platform() { return startup_->Platform(); }

 private:
  // The system's library is looked for in the system folder only.
  std::optional<SystemFolderDll> netShell_;
  std::optional<SharingStartup> startup_;
};

// Every object released as often as it was referenced and every block handed back.
void ExpectCleanWorld(const FakeNetconServer& server, int blocksLeftByDesign = 0) {
  EXPECT_EQ(server.LiveObjects(), 0);
  EXPECT_EQ(server.OverReleases(), 0);
  EXPECT_EQ(server.LiveBlocks(), blocksLeftByDesign);
  EXPECT_EQ(server.BadBlockFrees(), 0);
}

TEST(BareWine, NoManagerAndNoNetShellGiveAnEmptyListAndNoError) {
  UnregisterFakeNetconServer();
  Startup startup(/*withNetShell=*/false);
  TNTFirewall firewall(startup.Platform());
  EXPECT_EQ(firewall.Connections().Count(), 0);
  EXPECT_FALSE(firewall.ConnectionSharingInstalled());
  EXPECT_NO_THROW(firewall.CheckNoPublicSharing());
  EXPECT_FALSE(firewall.LocalComputer().empty());
}

TEST(FakeServer, WithoutNetShellTheFirstPropertiesReadRaisesTheMissingLibraryError) {
  FakeNetconServer server(kWorld);
  {
    Startup startup(/*withNetShell=*/false);
    TNTFirewall firewall(startup.Platform());
    EXPECT_TRUE(firewall.ConnectionSharingInstalled());
    EXPECT_EQ(ErrorOf([&] { firewall.Connections(); }), kMissingLibrary);
  }
  ExpectCleanWorld(server, /*blocksLeftByDesign=*/1);
}

TEST(FakeServer, ListsAndSharesThroughTheRealComPath) {
  FakeNetconServer server(kWorld);
  {
    Startup startup(/*withNetShell=*/true);
    TNTFirewall firewall(startup.Platform());
    TNTNetConnectionList& list = firewall.Connections();
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Items(0).Name(), L"本地连接");
    EXPECT_EQ(list.Items(1).DeviceName(), L"Microsoft Virtual WiFi Miniport Adapter");
    EXPECT_EQ(list.Items(0).Status(), NCS_CONNECTED);
    EXPECT_EQ(list.Items(1).Status(), NCS_DISCONNECTED);
    EXPECT_EQ(ErrorOf([&] { list.Items(3); }), L"List index out of bounds (3)");

    // The text the COM runtime itself makes of the GUID.
    const GUID guid = {0xA1B2C3D4, 0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0x0A}};
    wchar_t* text = nullptr;
    ASSERT_EQ(StringFromCLSID(guid, &text), S_OK);
    EXPECT_EQ(list.Items(0).GuidId(), text);
    CoTaskMemFree(text);

    TNTNetConnection& hosted = list.Items(1);
    EXPECT_EQ(ErrorOf([&] { hosted.EnableSharing(ICSSHARINGTYPE_PUBLIC); }),
              L"Public shared connection already exists: 本地连接");
    EXPECT_EQ(ErrorOf([&] { list.Items(0).EnableSharing(ICSSHARINGTYPE_PUBLIC); }),
              L"Public shared connection already exists: 本地连接");
    hosted.Connect();
    hosted.EnableSharing(ICSSHARINGTYPE_PRIVATE);
    EXPECT_EQ(hosted.SharingConnectionType(), ICSSHARINGTYPE_PRIVATE);
    // The bridge has no sharing configuration, but its media type is refused first.
    EXPECT_EQ(ErrorOf([&] { list.Items(2).EnableSharing(ICSSHARINGTYPE_PRIVATE); }),
              L"Connection with media type NCM_BRIDGE cannot be shared");
    EXPECT_NO_THROW(list.Items(2).EnableSharing(kSharingTypeNone));
    list.Items(0).EnableSharing(kSharingTypeNone);
  }
  EXPECT_EQ(server.Log(),
            "Connect {A1B2C3D4-0000-4000-8000-00000000000B}\n"
            "EnableSharing {A1B2C3D4-0000-4000-8000-00000000000B} 1\n"
            "DisableSharing {A1B2C3D4-0000-4000-8000-00000000000A}\n");
  ExpectCleanWorld(server);
}

TEST(FakeServer, ScriptedFailuresReachTheComponent) {
  FakeNetconServer server(std::string(kWorld) +
                          "fail|Next|0x80004005|1\n"
                          "fail|GetProperties|0x80070005|2\n");
  {
    Startup startup(/*withNetShell=*/true);
    TNTFirewall firewall(startup.Platform());
    // The first enumeration fails at once: an empty list, no error.
    EXPECT_EQ(firewall.Connections().Count(), 0);
    // The second stops at the second item with the system's text for the code.
    try {
      firewall.Connections();
      ADD_FAILURE() << "no error";
    } catch (const ComError& error) {
      EXPECT_EQ(error.Code(), E_ACCESSDENIED);
      EXPECT_EQ(error.Message(), SystemErrorText(E_ACCESSDENIED));
    }
    // Nothing of the failed building is kept: the next read enumerates every item again.
    EXPECT_EQ(firewall.Connections().Count(), 3);
  }
  ExpectCleanWorld(server);
}

TEST(ComErrorText, UsesTheSystemTextOrTheOleFallback) {
  const std::wstring known = SystemErrorText(E_ACCESSDENIED);
  EXPECT_FALSE(known.empty());
  EXPECT_NE(known.back(), L'\n');
  EXPECT_EQ(ComErrorMessage(E_ACCESSDENIED), known);
  EXPECT_EQ(ComErrorMessage(static_cast<HRESULT>(0x8004ABCDu)), L"OLE error 8004abcd");
}

TEST(ComStartup, UninitializesOnlyWhenItsInitializationSucceeded) {
  std::thread([] {
    // A thread already in the multithreaded apartment: CoInitialize fails with a changed mode.
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    {
      ComStartup startup;
      EXPECT_FALSE(startup.Initialized());
    }
    // Still initialised once: a wrong CoUninitialize would have ended it.
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE);
    CoUninitialize();
    CoUninitialize();
  }).join();
  std::thread([] {
    ComStartup startup;
    EXPECT_TRUE(startup.Initialized());
  }).join();
}

TEST(ThreadComSecurity, EntersEveryNewThreadWithoutError) {
  InitThreadComSecurity();
  std::thread([] {
    EXPECT_NO_THROW(InitThreadComSecurity());
    // The thread is in a single-threaded apartment now.
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_FALSE);
    CoUninitialize();
  }).join();
}

}  // namespace
