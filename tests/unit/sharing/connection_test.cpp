#include <gtest/gtest.h>

#include <optional>

#include "error_of.h"
#include "sharing/NTFireWall.h"
#include "sharing/com_error.h"
#include "sharing_test_fixture.h"

namespace {

// The fixture's three connections: a public LAN, an unshared LAN, a bridge shared as private.
class ConnectionTest : public SharingTest {
 protected:
  void SetUp() override {
    Load(kThreeConnections);
    firewall.emplace(platform);
  }
  // The component goes before the world's counts are checked.
  void TearDown() override {
    firewall.reset();
    SharingTest::TearDown();
  }

  FakeConnection& Record(int index) { return *world.LiveConnections()[static_cast<size_t>(index)]; }

  std::optional<TNTFirewall> firewall;
  TNTNetConnection& Item(int index) { return firewall->Connections().Items(index); }
};

TEST_F(ConnectionTest, StatusIsAskedAnewAtEveryRead) {
  EXPECT_EQ(Item(0).Status(), NCS_CONNECTED);
  EXPECT_EQ(Item(1).Status(), NCS_DISCONNECTED);
  Item(1).Connect();
  EXPECT_EQ(Item(1).Status(), NCS_CONNECTED);
  Item(1).Disconnect();
  EXPECT_EQ(Item(1).Status(), NCS_DISCONNECTED);
  world.FailCall("GetProperties", E_FAIL);
  EXPECT_EQ(ErrorOf([&] { Item(0).Status(); }), L"OLE error 80004005");
  world.FailCall("Connect", E_UNEXPECTED);
  EXPECT_EQ(ErrorOf([&] { Item(1).Connect(); }), L"OLE error 8000ffff");
}

TEST_F(ConnectionTest, ABridgeIsRefusedButCanStillBeSwitchedOff) {
  TNTNetConnection& bridge = Item(2);
  EXPECT_EQ(ErrorOf([&] { bridge.EnableSharing(ICSSHARINGTYPE_PRIVATE); }),
            L"Connection with media type NCM_BRIDGE cannot be shared");
  EXPECT_TRUE(world.LogLines().empty());
  bridge.EnableSharing(kSharingTypeNone);
  EXPECT_FALSE(Record(2).sharingEnabled);
  EXPECT_EQ(world.LogLines().back(), L"DisableSharing {11111111-0000-0000-0000-000000000003}");
}

TEST_F(ConnectionTest, MediaTypesOutsideOneToSixAreRefusedByNameOrNumber) {
  for (auto [mediaType, name] :
       {std::pair{0u, L"NCM_NONE"}, {9u, L"NCM_SHAREDACCESSHOST_RAS"}, {10u, L"10"}}) {
    Record(1).mediaType = mediaType;
    Item(1).Refresh();
    EXPECT_EQ(ErrorOf([&] { Item(1).EnableSharing(ICSSHARINGTYPE_PRIVATE); }),
              std::wstring(L"Connection with media type ") + name + L" cannot be shared");
  }
  Record(1).mediaType = 6;
  Item(1).Refresh();
  EXPECT_NO_THROW(Item(1).EnableSharing(ICSSHARINGTYPE_PRIVATE));
}

TEST_F(ConnectionTest, AnIncomingOnlyConnectionIsRefused) {
  Record(1).characteristics = 0x20 | 0x10;
  Item(1).Refresh();
  EXPECT_EQ(ErrorOf([&] { Item(1).EnableSharing(ICSSHARINGTYPE_PUBLIC); }),
            L"Cannot share connection with NCCF_INCOMING_ONLY flag");
  EXPECT_EQ(ErrorOf([&] { Item(1).EnableSharing(ICSSHARINGTYPE_PRIVATE); }),
            L"Cannot share connection with NCCF_INCOMING_ONLY flag");
  EXPECT_TRUE(world.LogLines().empty());
}

TEST_F(ConnectionTest, ASecondPublicSideIsRefusedWithTheNameOfTheFirst) {
  EXPECT_EQ(ErrorOf([&] { Item(1).EnableSharing(ICSSHARINGTYPE_PUBLIC); }),
            L"Public shared connection already exists: 本地连接");
  // Also for the public side itself.
  EXPECT_EQ(ErrorOf([&] { Item(0).EnableSharing(ICSSHARINGTYPE_PUBLIC); }),
            L"Public shared connection already exists: 本地连接");
  EXPECT_TRUE(world.LogLines().empty());
  // The private side is not the component's to refuse.
  Item(1).EnableSharing(ICSSHARINGTYPE_PRIVATE);
  EXPECT_TRUE(Record(1).sharingEnabled);
  EXPECT_EQ(Record(1).sharingType, ICSSHARINGTYPE_PRIVATE);
  EXPECT_EQ(Item(1).SharingConnectionType(), ICSSHARINGTYPE_PRIVATE);
  // Nothing else was switched off on the way.
  EXPECT_TRUE(Record(0).sharingEnabled);
}

TEST_F(ConnectionTest, PublicSideCanMoveOnceTheOldOneIsOff) {
  Item(0).EnableSharing(kSharingTypeNone);
  Item(1).EnableSharing(ICSSHARINGTYPE_PUBLIC);
  EXPECT_EQ(Item(1).SharingConnectionType(), ICSSHARINGTYPE_PUBLIC);
  EXPECT_EQ(Item(0).SharingConnectionType(), kSharingTypeNone);
}

TEST_F(ConnectionTest, WritingTheSharingPropertiesSwitchesOnlyOnChange) {
  Item(0).SetSharingEnabled(true);  // already public
  Item(2).SetSharingEnabled(true);  // already private
  Item(0).SetSharingConnectionType(ICSSHARINGTYPE_PUBLIC);
  EXPECT_TRUE(world.LogLines().empty());
  Item(0).SetSharingEnabled(false);
  EXPECT_FALSE(Record(0).sharingEnabled);
  Item(1).SetSharingEnabled(true);
  EXPECT_EQ(Record(1).sharingType, ICSSHARINGTYPE_PUBLIC);
  Item(1).SetSharingConnectionType(ICSSHARINGTYPE_PRIVATE);
  EXPECT_EQ(world.LogLines().back(), L"EnableSharing {11111111-0000-0000-0000-000000000002} 1");
  world.FailCall("EnableSharing", E_FAIL);
  EXPECT_EQ(ErrorOf([&] { Item(0).SetSharingEnabled(true); }), L"OLE error 80004005");
}

TEST_F(ConnectionTest, WithoutSharingConfigurationNothingIsSwitchedAndNothingReported) {
  Record(1).hasSharingConfiguration = false;
  firewall->Refresh();
  TNTNetConnection& plain = Item(1);
  EXPECT_FALSE(plain.SharingEnabled());
  EXPECT_EQ(plain.SharingConnectionType(), kSharingTypeNone);
  EXPECT_FALSE(plain.FirewallEnabled());
  plain.SetSharingConnectionType(kSharingTypeNone);
  plain.EnableSharing(ICSSHARINGTYPE_PRIVATE);
  plain.EnableSharing(kSharingTypeNone);
  plain.SetFirewallEnabled(true);
  EXPECT_TRUE(world.LogLines().empty());
  // The refusals still come first.
  Record(1).mediaType = 7;
  plain.Refresh();
  EXPECT_EQ(ErrorOf([&] { plain.EnableSharing(ICSSHARINGTYPE_PRIVATE); }),
            L"Connection with media type NCM_BRIDGE cannot be shared");
}

TEST_F(ConnectionTest, TheFirewallSwitchFollowsTheSystem) {
  EXPECT_FALSE(Item(0).FirewallEnabled());
  EXPECT_TRUE(Item(1).FirewallEnabled());
  Item(1).SetFirewallEnabled(true);
  EXPECT_TRUE(world.LogLines().empty());
  Item(0).SetFirewallEnabled(true);
  Item(1).SetFirewallEnabled(false);
  EXPECT_TRUE(Record(0).firewallEnabled);
  EXPECT_FALSE(Record(1).firewallEnabled);
  world.FailCall("get_InternetFirewallEnabled", E_FAIL);
  EXPECT_EQ(ErrorOf([&] { Item(0).FirewallEnabled(); }), L"OLE error 80004005");
}

TEST_F(ConnectionTest, RenameShowsOnlyAfterRefresh) {
  Item(1).Rename(L"热点");
  EXPECT_EQ(Item(1).Name(), L"无线网络连接 2");
  EXPECT_EQ(Record(1).name, L"热点");
  Item(1).Refresh();
  EXPECT_EQ(Item(1).Name(), L"热点");
  Item(1).Rename(L"");
  EXPECT_EQ(Record(1).name, L"");
  world.FailCall("Rename", E_FAIL);
  EXPECT_EQ(ErrorOf([&] { Item(1).Rename(L"x"); }), L"OLE error 80004005");
}

TEST_F(ConnectionTest, ARefreshThatFailsKeepsTheOldValues) {
  TNTNetConnection& first = Item(0);
  Record(0).name = L"new";
  world.FailCall("GetProperties", E_FAIL);
  EXPECT_EQ(ErrorOf([&] { first.Refresh(); }), L"OLE error 80004005");
  EXPECT_EQ(first.Name(), L"本地连接");
}

TEST_F(ConnectionTest, DuplicateAppendsTheCopyToTheSameList) {
  TNTNetConnection* copy = Item(1).Duplicate(L"副本");
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(firewall->Connections().Count(), 4);
  EXPECT_EQ(&Item(3), copy);
  EXPECT_EQ(copy->Name(), L"副本");
  EXPECT_NE(copy->GuidId(), Item(1).GuidId());
  copy->EnableSharing(ICSSHARINGTYPE_PRIVATE);
  EXPECT_TRUE(copy->SharingEnabled());

  world.FailCall("get_INetSharingConfigurationForINetConnection", E_FAIL, 0);
  TNTNetConnection* plain = Item(1).Duplicate(L"无配置");
  ASSERT_NE(plain, nullptr);
  EXPECT_FALSE(plain->SharingEnabled());

  world.FailCall("Duplicate", E_FAIL);
  EXPECT_EQ(ErrorOf([&] { Item(1).Duplicate(L"x"); }), L"OLE error 80004005");
  EXPECT_EQ(firewall->Connections().Count(), 5);
}

TEST_F(ConnectionTest, DeleteRemovesTheConnectionAndTheObject) {
  world.FailCall("Delete", E_FAIL, 1);
  EXPECT_EQ(ErrorOf([&] { Item(1).Delete(); }), L"OLE error 80004005");
  EXPECT_EQ(firewall->Connections().Count(), 3);
  EXPECT_EQ(Item(1).Name(), L"无线网络连接 2");

  Item(1).Delete();
  EXPECT_EQ(firewall->Connections().Count(), 2);
  EXPECT_EQ(Item(1).Name(), L"网桥");
  EXPECT_EQ(Item(1).Index(), 1);
  EXPECT_EQ(world.LiveConnections().size(), 2u);
}

TEST(ConnectionWithoutNetShell, StatusRaisesTheMissingLibraryErrorAfterReading) {
  // Objects made while the library was there, then read without it.
  FakeNetconWorld world;
  LoadNetconScript(world, kThreeConnections);
  FakeSharingPlatform present(world);
  FakeSharingPlatform missing(world, /*netShellPresent=*/false);
  struct SwitchingPlatform : SharingPlatform {
    SharingPlatform* current;
    void InitThreadComSecurity() override {}
    HRESULT CoCreateInstance(REFCLSID c, IUnknown* o, DWORD x, REFIID i, void** p) override {
      return current->CoCreateInstance(c, o, x, i, p);
    }
    void NcFreeNetconProperties(NETCON_PROPERTIES* block) override {
      current->NcFreeNetconProperties(block);
    }
    bool GetComputerNameW(wchar_t* b, DWORD* s) override { return current->GetComputerNameW(b, s); }
  } platform;
  platform.current = &present;
  {
    TNTFirewall firewall(platform);
    TNTNetConnection& first = firewall.Connections().Items(0);
    platform.current = &missing;
    world.LiveConnections()[0]->name = L"新名";
    EXPECT_EQ(ErrorOf([&] { first.Status(); }),
              L"Cannot load library \"NetShell.dll\" or linked libraries");
    // A Refresh whose hand-back fails has copied the new values already.
    EXPECT_EQ(ErrorOf([&] { first.Refresh(); }),
              L"Cannot load library \"NetShell.dll\" or linked libraries");
    EXPECT_EQ(first.Name(), L"新名");
  }
  EXPECT_EQ(world.LiveObjects(), 0);
  EXPECT_EQ(world.LiveBlocks(), 2);
}

}  // namespace
