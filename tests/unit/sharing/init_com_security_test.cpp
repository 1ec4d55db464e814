#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <thread>

#include "sharing/InitComSecurity.h"

namespace {

using ::testing::_;
using ::testing::IsNull;
using ::testing::Return;

class MockComSecurityRuntime : public ComSecurityRuntime {
 public:
  MOCK_METHOD(HRESULT, InitializeEx, (void*, uint32_t), (override));
  MOCK_METHOD(HRESULT, InitializeSecurity,
              (void*, int32_t, void*, void*, uint32_t, uint32_t, void*, uint32_t, void*),
              (override));
};

// The flag is per thread: every case runs on threads of its own.
void OnNewThread(const std::function<void()>& work) { std::thread(work).join(); }

TEST(InitThreadComSecurity, CallsTheRuntimeOnceWithTheDocumentedArguments) {
  MockComSecurityRuntime runtime;
  EXPECT_CALL(runtime, InitializeEx(IsNull(), 2u)).WillOnce(Return(S_OK));
  EXPECT_CALL(runtime,
              InitializeSecurity(IsNull(), -1, IsNull(), IsNull(), 0u, 3u, IsNull(), 0u, IsNull()))
      .WillOnce(Return(S_OK));
  OnNewThread([&] {
    InitThreadComSecurity(runtime);
    InitThreadComSecurity(runtime);
  });
}

TEST(InitThreadComSecurity, EnterseachThreadAndIgnoresTheLateSecurityFailure) {
  MockComSecurityRuntime runtime;
  EXPECT_CALL(runtime, InitializeEx(_, _)).Times(2).WillRepeatedly(Return(S_OK));
  EXPECT_CALL(runtime, InitializeSecurity(_, _, _, _, _, _, _, _, _))
      .WillOnce(Return(S_OK))
      .WillOnce(Return(RPC_E_TOO_LATE));
  OnNewThread([&] { InitThreadComSecurity(runtime); });
  OnNewThread([&] {
    EXPECT_NO_THROW(InitThreadComSecurity(runtime));
    // Not retried on the thread where it failed.
    InitThreadComSecurity(runtime);
  });
}

}  // namespace
