#include "sharing/NetShell.h"

#include <gtest/gtest.h>

#include "common/app_error.h"
#include "fakes/netcon/fake_sharing_platform.h"

namespace {

constexpr wchar_t kMissingLibrary[] = L"Cannot load library \"NetShell.dll\" or linked libraries";

std::wstring ErrorOfFreeing(const NetShell& netShell) {
  try {
    netShell.NcFreeNetconProperties(nullptr);
  } catch (const AppError& error) {
    return error.Message();
  }
  return L"";
}

TEST(NetShell, LoadsOnceAndHandsBlocksToTheRoutine) {
  FakeNetconWorld world;
  FakeModuleLoader loader;
  {
    NetShell netShell(loader);
    EXPECT_EQ(loader.loadedName, L"NetShell.dll");
    FakeConnection connection;
    NETCON_PROPERTIES* block = world.AllocateBlock(connection);
    netShell.NcFreeNetconProperties(block);
    EXPECT_EQ(world.LiveBlocks(), 0);
    EXPECT_EQ(world.BadBlockFrees(), 0);
    EXPECT_EQ(loader.frees, 0);
  }
  EXPECT_EQ(loader.loads, 1);
  EXPECT_EQ(loader.lookups, 1);
  EXPECT_EQ(loader.frees, 1);
}

TEST(NetShell, AHandleOf32OrLessIsAMissingLibrary) {
  for (uintptr_t handle : {uintptr_t{0}, uintptr_t{32}}) {
    FakeModuleLoader loader;
    loader.moduleHandle = handle;
    {
      NetShell netShell(loader);
      EXPECT_EQ(ErrorOfFreeing(netShell), kMissingLibrary);
    }
    EXPECT_EQ(loader.lookups, 0);
    EXPECT_EQ(loader.frees, 0);
  }
}

TEST(NetShell, AMissingRoutineRaisesButTheLibraryIsStillReleased) {
  FakeModuleLoader loader;
  loader.routinePresent = false;
  {
    NetShell netShell(loader);
    EXPECT_EQ(ErrorOfFreeing(netShell), kMissingLibrary);
  }
  EXPECT_EQ(loader.frees, 1);
}

}  // namespace
