#include "fakes/netcon/netcon_script.h"

#include <gtest/gtest.h>

#include "sharing/guid_text.h"

namespace {

TEST(NetconScript, ReadsEveryKindOfLine) {
  FakeNetconWorld world;
  LoadNetconScript(
      world,
      "# a comment\r\n"
      "\n"
      "connection|{0123ABCD-4567-89EF-0123-456789ABCDEF}|无线|dev|2|0x3|32|private|1\r\n"
      "connection|{0123ABCD-4567-89EF-0123-456789ABCDE0}|b|d|0|7|0|none|0\n"
      "installed|0\n"
      "fail|Next|0x80004005|2\n"
      "computer|HOST");
  const auto connections = world.LiveConnections();
  ASSERT_EQ(connections.size(), 2u);
  EXPECT_EQ(GuidText(connections[0]->guid), L"{0123ABCD-4567-89EF-0123-456789ABCDEF}");
  EXPECT_EQ(connections[0]->name, L"无线");
  EXPECT_EQ(connections[0]->mediaType, 3u);
  EXPECT_EQ(connections[0]->characteristics, 0x20u);
  EXPECT_TRUE(connections[0]->sharingEnabled);
  EXPECT_EQ(connections[0]->sharingType, ICSSHARINGTYPE_PRIVATE);
  EXPECT_TRUE(connections[0]->firewallEnabled);
  EXPECT_FALSE(connections[1]->hasSharingConfiguration);
  EXPECT_FALSE(world.SharingInstalled());
  EXPECT_EQ(world.computerName, L"HOST");
  EXPECT_FALSE(world.Enter("Next").has_value());
  EXPECT_EQ(world.Enter("Next"), E_FAIL);
  EXPECT_FALSE(world.Enter("Next").has_value());
}

TEST(NetconScript, NamesTheLineItCannotFollow) {
  const char* bad[] = {
      "connection|{0123ABCD-4567-89EF-0123-456789ABCDEF}|a|b|2|3|0|shared|0",
      "connection|0123ABCD-4567-89EF-0123-456789ABCDEF|a|b|2|3|0|off|0",
      "connection|{0123ABCD-4567-89EF-0123-456789ABCDEF}|a|b|two|3|0|off|0",
      "connection|{0123ABCD-4567-89EF-0123-456789ABCDEF}|a|b|2|3|0|off",
      "fail|Next|-1",
      "teleport|1",
  };
  for (const char* line : bad) {
    FakeNetconWorld world;
    try {
      LoadNetconScript(world, std::string("# first\n") + line);
      ADD_FAILURE() << "accepted: " << line;
    } catch (const NetconScriptError& error) {
      EXPECT_EQ(std::string(error.what()).rfind("script line 2: ", 0), 0u) << error.what();
    }
  }
}

}  // namespace
