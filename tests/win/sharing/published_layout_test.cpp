#include <gtest/gtest.h>

#include <cstddef>

#include "fakes/netcon/fake_netcon_objects.h"
#include "fakes/netcon/netcon_script.h"
#include "sharing/com_query.h"
#include "sharing/variant_holder.h"
#include "win/sharing/published_vtables.h"

namespace {

TEST(PublishedLayout, NetconPropertiesFieldsSitWhereTheSdkPutsThem) {
  const size_t ours[] = {offsetof(NETCON_PROPERTIES, guidId),
                         offsetof(NETCON_PROPERTIES, pszwName),
                         offsetof(NETCON_PROPERTIES, pszwDeviceName),
                         offsetof(NETCON_PROPERTIES, Status),
                         offsetof(NETCON_PROPERTIES, MediaType),
                         offsetof(NETCON_PROPERTIES, dwCharacter),
                         offsetof(NETCON_PROPERTIES, clsidThisObject),
                         offsetof(NETCON_PROPERTIES, clsidUiObject),
                         sizeof(NETCON_PROPERTIES)};
  for (int field = 0; field < 9; ++field) {
    EXPECT_EQ(ours[field], PublishedNetconPropertiesLayout(field)) << "field " << field;
  }
}

// Objects built on our declarations, called through the SDK's: every call must land on the
// method of the same name, so the world's log and counts show exactly the calls made.
TEST(PublishedLayout, EveryMethodWeCallSitsAtItsPublishedSlot) {
  FakeNetconWorld world;
  LoadNetconScript(world,
                   "connection|{0000000A-0000-0000-0000-000000000001}|LAN|NIC|0|3|0|off|0\n");
  {
    ComPtr<INetSharingManager> manager;
    ASSERT_EQ(
        CreateFakeSharingManager(world, CLSID_NetSharingManager, nullptr, CLSCTX_INPROC_SERVER,
                                 IID_INetSharingManager, manager.ReceiveVoid()),
        S_OK);
    short installed = 0;
    EXPECT_EQ(PublishedGetSharingInstalled(manager.Get(), &installed), S_OK);
    EXPECT_NE(installed, 0);
    ComPtr<INetSharingEveryConnectionCollection> collection;
    ASSERT_EQ(PublishedGetEveryConnection(manager.Get(), collection.ReceiveVoid()), S_OK);
    ComPtr<IUnknown> unknown;
    ASSERT_EQ(PublishedGetNewEnum(collection.Get(), unknown.ReceiveVoid()), S_OK);
    const auto enumerator = QueryInterfaceOrRaise<IEnumVARIANT>(unknown.Get(), IID_IEnumVARIANT);
    VariantHolder item;
    ULONG fetched = 0;
    ASSERT_EQ(enumerator->Next(1, item.Receive(), &fetched), S_OK);
    const auto connection =
        QueryInterfaceOrRaise<INetConnection>(item.Interface(), IID_INetConnection);
    item.Clear();
    ComPtr<INetSharingConfiguration> configuration;
    ASSERT_EQ(
        PublishedGetConfiguration(manager.Get(), connection.Get(), configuration.ReceiveVoid()),
        S_OK);
    ASSERT_TRUE(configuration);

    EXPECT_EQ(PublishedConnect(connection.Get()), S_OK);
    EXPECT_EQ(PublishedDisconnect(connection.Get()), S_OK);
    EXPECT_EQ(PublishedRename(connection.Get(), L"renamed"), S_OK);
    ComPtr<INetConnection> copy;
    EXPECT_EQ(PublishedDuplicate(connection.Get(), L"copy", copy.ReceiveVoid()), S_OK);
    EXPECT_EQ(PublishedDelete(copy.Get()), S_OK);
    void* block = nullptr;
    ASSERT_EQ(PublishedGetProperties(connection.Get(), &block), S_OK);
    EXPECT_STREQ(static_cast<NETCON_PROPERTIES*>(block)->pszwName, L"renamed");
    world.FreeBlock(static_cast<NETCON_PROPERTIES*>(block));

    EXPECT_EQ(PublishedEnableSharing(configuration.Get(), ICSSHARINGTYPE_PRIVATE), S_OK);
    short enabled = 0;
    EXPECT_EQ(PublishedGetSharingEnabled(configuration.Get(), &enabled), S_OK);
    EXPECT_NE(enabled, 0);
    int type = -1;
    EXPECT_EQ(PublishedGetSharingConnectionType(configuration.Get(), &type), S_OK);
    EXPECT_EQ(type, 1);
    EXPECT_EQ(PublishedDisableSharing(configuration.Get()), S_OK);
    EXPECT_EQ(PublishedEnableInternetFirewall(configuration.Get()), S_OK);
    short firewall = 0;
    EXPECT_EQ(PublishedGetInternetFirewallEnabled(configuration.Get(), &firewall), S_OK);
    EXPECT_NE(firewall, 0);
    EXPECT_EQ(PublishedDisableInternetFirewall(configuration.Get()), S_OK);
  }
  const std::wstring guid = L"{0000000A-0000-0000-0000-000000000001}";
  const std::wstring copyGuid = L"{0000000A-0101-0000-0000-000000000001}";
  const std::vector<std::wstring> expected = {
      L"Connect " + guid,
      L"Disconnect " + guid,
      L"Rename " + guid + L" renamed",
      L"Duplicate " + guid + L" " + copyGuid + L" copy",
      L"Delete " + copyGuid,
      L"EnableSharing " + guid + L" 1",
      L"DisableSharing " + guid,
      L"EnableInternetFirewall " + guid,
      L"DisableInternetFirewall " + guid,
  };
  EXPECT_EQ(world.LogLines(), expected);
  for (const char* getter :
       {"get_SharingInstalled", "get_EnumEveryConnection", "get__NewEnum",
        "get_INetSharingConfigurationForINetConnection", "GetProperties", "get_SharingEnabled",
        "get_SharingConnectionType", "get_InternetFirewallEnabled"}) {
    EXPECT_EQ(world.Calls(getter), 1) << getter;
  }
  EXPECT_EQ(world.LiveObjects(), 0);
  EXPECT_EQ(world.OverReleases(), 0);
  EXPECT_EQ(world.LiveBlocks(), 0);
}

}  // namespace
