#pragma once

#include <gtest/gtest.h>

#include <string>

#include "fakes/netcon/fake_netcon_world.h"
#include "fakes/netcon/fake_sharing_platform.h"
#include "fakes/netcon/netcon_script.h"

// A fake world per test. Every test ends with every COM object released exactly as often as
// it was referenced and every properties block handed back.
class SharingTest : public ::testing::Test {
 protected:
  void TearDown() override {
    EXPECT_EQ(world.LiveObjects(), 0) << "leaked COM references";
    EXPECT_EQ(world.OverReleases(), 0) << "released too often";
    EXPECT_EQ(world.LiveBlocks(), blocksLeftByDesign) << "properties blocks not handed back";
    EXPECT_EQ(world.BadBlockFrees(), 0) << "foreign or twice-freed blocks";
  }

  void Load(const std::string& script) { LoadNetconScript(world, script); }

  // Blocks that cannot be handed back because NetShell.dll is missing.
  int blocksLeftByDesign = 0;
  FakeNetconWorld world;
  FakeSharingPlatform platform{world};
};

// Two LAN connections and a bridge, the first shared as the public side.
inline constexpr char kThreeConnections[] =
    "connection|{11111111-0000-0000-0000-000000000001}|本地连接|Realtek PCIe GBE|2|3|0|public|0\n"
    "connection|{11111111-0000-0000-0000-000000000002}|无线网络连接 2|Microsoft Virtual WiFi "
    "Miniport Adapter|0|3|0|off|1\n"
    "connection|{11111111-0000-0000-0000-000000000003}|网桥|MAC Bridge Miniport|2|7|0|private|0\n";
