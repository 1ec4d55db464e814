#include <gtest/gtest.h>
#include <windows.h>

#include "fakes/http/recording_server.h"
#include "online/http_client.h"
#include "online/win32/window_wait_win32.h"

using namespace std::chrono_literals;

namespace {

constexpr UINT kPing = WM_APP + 7;
int pings = 0;

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kPing) {
    ++pings;
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// A message-only window of this thread that counts the pings it handles.
HWND CountingWindow() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = CountingProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"OnlineWaitTest";
  RegisterClassW(&windowClass);
  return CreateWindowW(L"OnlineWaitTest", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                       windowClass.hInstance, nullptr);
}

}  // namespace

TEST(WindowThreadWait, WindowHandlesItsMessagesWhileARequestWaits) {
  const HWND window = CountingWindow();
  ASSERT_NE(window, nullptr);
  RecordingServer server;
  server.Answer({"HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok", false, false, 700ms});
  pings = 0;
  PostMessageW(window, kPing, 0, 0);
  AsioConnector connector(WindowThreadWaits());
  HttpClient client(connector);
  EXPECT_EQ(client.Get("http://" + server.Host() + "/"), "ok");
  EXPECT_EQ(pings, 1);
  DestroyWindow(window);
}

TEST(WindowThreadWait, QuittingAbandonsTheRequestAndLeavesTheQuitForTheLoop) {
  RecordingServer server;
  server.Answer({"", false, true});
  AsioConnector connector(WindowThreadWaits());
  HttpClient client(connector);
  PostQuitMessage(3);
  EXPECT_THROW(client.Get("http://" + server.Host() + "/"), RequestAbandoned);
  MSG message;
  ASSERT_TRUE(PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(message.message, UINT(WM_QUIT));
  EXPECT_EQ(message.wParam, WPARAM(3));
}
