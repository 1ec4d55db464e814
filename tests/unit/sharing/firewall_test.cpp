#include <gtest/gtest.h>

#include "common/app_error.h"
#include "error_of.h"
#include "sharing/NTFireWall.h"
#include "sharing/com_error.h"
#include "sharing_test_fixture.h"

namespace {

using FirewallTest = SharingTest;

TEST_F(FirewallTest, WithoutTheHomeNetworkingClassesEverythingIsEmptyAndQuiet) {
  world.FailCall("CoCreateInstance", REGDB_E_CLASSNOTREG);
  Load(kThreeConnections);
  TNTFirewall firewall(platform);
  EXPECT_EQ(firewall.Connections().Count(), 0);
  EXPECT_FALSE(firewall.ConnectionSharingInstalled());
  EXPECT_NO_THROW(firewall.CheckNoPublicSharing());
  // A failed creation is tried again at every need.
  EXPECT_EQ(world.Calls("CoCreateInstance"), 3);
}

TEST_F(FirewallTest, ConstructionPreparesTheThreadButCreatesNothing) {
  TNTFirewall firewall(platform);
  EXPECT_EQ(platform.initThreadCalls, 1);
  EXPECT_EQ(world.Calls("CoCreateInstance"), 0);
}

TEST_F(FirewallTest, ListsEveryConnectionInOrderWithItsProperties) {
  Load(kThreeConnections);
  world.AddConnection({.guid = ParseGuid("{22222222-0000-0000-0000-00000000000A}"),
                       .name = L"VPN",
                       .deviceName = L"WAN Miniport",
                       .mediaType = 5,
                       .characteristics = 0x21,
                       .hasSharingConfiguration = false});
  TNTFirewall firewall(platform);
  TNTNetConnectionList& list = firewall.Connections();
  ASSERT_EQ(list.Count(), 4);
  EXPECT_EQ(list.Items(0).Name(), L"本地连接");
  EXPECT_EQ(list.Items(0).DeviceName(), L"Realtek PCIe GBE");
  EXPECT_EQ(list.Items(0).GuidId(), L"{11111111-0000-0000-0000-000000000001}");
  EXPECT_EQ(list.Items(0).ClassId(), L"{BA126AD1-2166-11D1-B1D0-00805FC1270E}");
  EXPECT_EQ(list.Items(0).UIClassId(), L"{7007ACC5-3202-11D1-AAD2-00805FC1270E}");
  EXPECT_EQ(list.Items(0).DisplayName(), L"本地连接");
  EXPECT_EQ(list.Items(1).Name(), L"无线网络连接 2");
  EXPECT_EQ(list.Items(2).MediaType(), 7u);
  EXPECT_EQ(list.Items(2).Index(), 2);
  // A connection without sharing configuration is listed all the same.
  EXPECT_EQ(list.Items(3).Name(), L"VPN");
  EXPECT_EQ(list.Items(3).Characteristics(), 0x21u);
  EXPECT_FALSE(list.Items(3).SharingEnabled());
  EXPECT_EQ(list.Items(3).SharingConnectionType(), kSharingTypeNone);
  EXPECT_EQ(&list.Owner(), &firewall);
}

TEST_F(FirewallTest, TheListIsKeptUntilRefresh) {
  Load(kThreeConnections);
  TNTFirewall firewall(platform);
  TNTNetConnection* first = &firewall.Connections().Items(0);
  world.AddConnection({.guid = ParseGuid("{33333333-0000-0000-0000-000000000001}"), .name = L"新"});
  world.LiveConnections()[0]->name = L"改名";
  EXPECT_EQ(firewall.Connections().Count(), 3);
  EXPECT_EQ(&firewall.Connections().Items(0), first);
  EXPECT_EQ(first->Name(), L"本地连接");
  EXPECT_EQ(world.Calls("get_EnumEveryConnection"), 1);

  firewall.Refresh();
  EXPECT_EQ(firewall.Connections().Count(), 4);
  EXPECT_EQ(firewall.Connections().Items(0).Name(), L"改名");
  EXPECT_EQ(firewall.Connections().Items(3).Name(), L"新");
}

TEST_F(FirewallTest, AnEmptyEnumerationIsTriedAgainAtTheNextRead) {
  TNTFirewall firewall(platform);
  EXPECT_EQ(firewall.Connections().Count(), 0);
  Load(kThreeConnections);
  EXPECT_EQ(firewall.Connections().Count(), 3);
  EXPECT_EQ(world.Calls("get_EnumEveryConnection"), 2);
}

TEST_F(FirewallTest, TheEnumeratorEndsQuietlyOnAnyResultButOk) {
  Load(kThreeConnections);
  world.FailCall("Next", E_FAIL, 1);
  {
    TNTFirewall firewall(platform);
    EXPECT_EQ(firewall.Connections().Count(), 0);
  }
  world.FailCall("Next", static_cast<HRESULT>(0x80070005u), 3);
  {
    TNTFirewall firewall(platform);
    EXPECT_EQ(firewall.Connections().Count(), 1);  // calls 2 and 3: one item, then the failure
  }
  // S_FALSE with an item in the variant ends it too: that item is not listed, and not leaked.
  world.FailCall("Next", S_FALSE, 5);
  {
    TNTFirewall firewall(platform);
    EXPECT_EQ(firewall.Connections().Count(), 1);
  }
}

TEST_F(FirewallTest, AFailureWhileBuildingLeavesTheListEmptyForTheNextRead) {
  Load(kThreeConnections);
  world.FailCall("GetProperties", static_cast<HRESULT>(0x80070015u), 2);
  TNTFirewall firewall(platform);
  try {
    firewall.Connections();
    FAIL() << "no error";
  } catch (const ComError& error) {
    EXPECT_EQ(error.Code(), static_cast<HRESULT>(0x80070015u));
    EXPECT_EQ(error.Message(), L"OLE error 80070015");
  }
  // The items made before went too, so the next read enumerates every connection again.
  EXPECT_EQ(firewall.Connections().Count(), 3);
  EXPECT_EQ(world.Calls("get_EnumEveryConnection"), 2);
}

TEST_F(FirewallTest, MissingInterfacesAreReportedAsNotSupported) {
  Load(kThreeConnections);
  world.FailCall("QueryInterface.IEnumVARIANT", E_NOINTERFACE);
  {
    TNTFirewall firewall(platform);
    EXPECT_EQ(ErrorOf([&] { firewall.Connections(); }), L"Interface not supported");
  }
  world.Reset();
  Load(kThreeConnections);
  world.FailCall("QueryInterface.INetConnection", E_NOINTERFACE, 2);
  {
    TNTFirewall firewall(platform);
    EXPECT_EQ(ErrorOf([&] { firewall.Connections(); }), L"Interface not supported");
  }
}

TEST_F(FirewallTest, ManagerFailuresRaiseTheComError) {
  Load(kThreeConnections);
  world.FailCall("get_EnumEveryConnection", E_FAIL, 1);
  world.FailCall("get__NewEnum", E_UNEXPECTED, 1);
  world.FailCall("get_SharingInstalled", E_FAIL, 1);
  TNTFirewall firewall(platform);
  EXPECT_EQ(ErrorOf([&] { firewall.Connections(); }), L"OLE error 80004005");
  EXPECT_EQ(ErrorOf([&] { firewall.Connections(); }), L"OLE error 8000ffff");
  EXPECT_EQ(firewall.Connections().Count(), 3);
  EXPECT_EQ(ErrorOf([&] { firewall.ConnectionSharingInstalled(); }), L"OLE error 80004005");
  EXPECT_TRUE(firewall.ConnectionSharingInstalled());
  world.SetSharingInstalled(false);
  EXPECT_FALSE(firewall.ConnectionSharingInstalled());
}

TEST_F(FirewallTest, AConfigurationGivenWithAnythingButOkIsDropped) {
  Load(kThreeConnections);
  world.FailCall("get_INetSharingConfigurationForINetConnection", S_FALSE, 1);
  TNTFirewall firewall(platform);
  TNTNetConnection& first = firewall.Connections().Items(0);
  EXPECT_FALSE(first.SharingEnabled());
  EXPECT_TRUE(firewall.Connections().Items(1).FirewallEnabled());
}

TEST_F(FirewallTest, ItemsOutsideTheListRaiseWithTheIndex) {
  Load(kThreeConnections);
  TNTFirewall firewall(platform);
  TNTNetConnectionList& list = firewall.Connections();
  EXPECT_EQ(ErrorOf([&] { list.Items(3); }), L"List index out of bounds (3)");
  EXPECT_EQ(ErrorOf([&] { list.Items(-1); }), L"List index out of bounds (-1)");
  EXPECT_EQ(ErrorOf([&] { list.Delete(7); }), L"List index out of bounds (7)");
  list.Delete(1);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Items(1).Name(), L"网桥");
}

TEST_F(FirewallTest, CheckNoPublicSharingNamesThePublicSide) {
  Load(kThreeConnections);
  TNTFirewall firewall(platform);
  EXPECT_EQ(ErrorOf([&] { firewall.CheckNoPublicSharing(); }),
            L"Public shared connection already exists: 本地连接");
  // It asks the system afresh, not the cached list.
  world.LiveConnections()[0]->sharingEnabled = false;
  EXPECT_NO_THROW(firewall.CheckNoPublicSharing());
  // A private side or a connection without configuration is no public side.
  world.LiveConnections()[1]->hasSharingConfiguration = false;
  world.LiveConnections()[1]->sharingEnabled = true;
  EXPECT_NO_THROW(firewall.CheckNoPublicSharing());
  world.FailCall("get_SharingConnectionType", E_FAIL, 0);
  EXPECT_EQ(ErrorOf([&] { firewall.CheckNoPublicSharing(); }), L"OLE error 80004005");
}

TEST_F(FirewallTest, LocalComputerReadsUpToTheFirstNulOrRaises) {
  TNTFirewall firewall(platform);
  EXPECT_EQ(firewall.LocalComputer(), L"PELANTO-PC");
  EXPECT_EQ(platform.computerNameCapacity, 256u);
  world.computerName = std::wstring(L"HOST\0REST", 9);
  EXPECT_EQ(firewall.LocalComputer(), L"HOST");
  world.computerName.reset();
  EXPECT_EQ(ErrorOf([&] { firewall.LocalComputer(); }), L"ERROR!");
}

TEST(FirewallWithoutNetShell, TheFirstPropertiesReadRaisesTheMissingLibraryError) {
  FakeNetconWorld world;
  LoadNetconScript(world, kThreeConnections);
  FakeSharingPlatform platform(world, /*netShellPresent=*/false);
  {
    TNTFirewall firewall(platform);
    for (int attempt = 0; attempt < 2; ++attempt) {
      EXPECT_EQ(ErrorOf([&] { firewall.Connections(); }),
                L"Cannot load library \"NetShell.dll\" or linked libraries");
    }
    // The failing item left the list, so the second read enumerated again.
    EXPECT_EQ(world.Calls("get_EnumEveryConnection"), 2);
  }
  EXPECT_EQ(world.LiveObjects(), 0);
  EXPECT_EQ(world.OverReleases(), 0);
  // The blocks were read and cannot be handed back: one per attempt.
  EXPECT_EQ(world.LiveBlocks(), 2);
}

}  // namespace
