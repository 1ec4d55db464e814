// The window host under Wine and Xvfb: a layered window showing a scene, real input through
// SendInput, the drag rule, a lost capture, an owned drop-down and a modal popup following their
// owner, and the tray icon's menu.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <functional>

#include "toolkit/shapes.h"
#include "toolkit/widgets/combo_box.h"
#include "toolkit/widgets/message_popup.h"
#include "toolkit/widgets/text_box.h"
#include "toolkit/win32/gdi_font_source.h"
#include "toolkit/win32/layered_window.h"
#include "toolkit/win32/popup_menu.h"
#include "toolkit/win32/tray_icon.h"

namespace {

using namespace toolkit;
using namespace toolkit::win32;

FontLibrary& Fonts() {
  static FontLibrary fonts(std::make_unique<GdiFontSource>());
  return fonts;
}

// Dispatches messages until `done` or the time runs out.
bool PumpUntil(const std::function<bool()>& done, int ms = 5000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(10);
  }
  return true;
}

void Pump(int ms) {
  PumpUntil([] { return false; }, ms);
}

void SendMouse(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof(input));
}

void MoveCursorTo(HWND hwnd, int x, int y) {
  POINT p{x, y};
  ClientToScreen(hwnd, &p);
  SetCursorPos(p.x, p.y);
  SendMouse(MOUSEEVENTF_MOVE);  // a zero move makes the window see the new position
  Pump(100);
}

void ClickAt(HWND hwnd, int x, int y) {
  MoveCursorTo(hwnd, x, y);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  Pump(50);
  SendMouse(MOUSEEVENTF_LEFTUP);
}

// Presses the left button at a client point of `hwnd`, moves by (dx, dy) and releases.
void DragBy(HWND hwnd, int x, int y, int dx, int dy) {
  MoveCursorTo(hwnd, x, y);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  Pump(100);
  POINT p{};
  GetCursorPos(&p);
  SetCursorPos(p.x + dx, p.y + dy);
  SendMouse(MOUSEEVENTF_MOVE);
  Pump(200);
  SendMouse(MOUSEEVENTF_LEFTUP);
  Pump(100);
}

void PressKey(WORD vk) {
  INPUT input[2]{};
  input[0].type = input[1].type = INPUT_KEYBOARD;
  input[0].ki.wVk = input[1].ki.wVk = vk;
  input[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, input, sizeof(INPUT));
}

TEST(GdiFonts, InstalledFacesOnlyAndACjkFallback) {
  GdiFontSource source;
  // GDI would hand over a substitute; a family that is not installed must read as missing.
  EXPECT_FALSE(source.Load(L"No Such Family Anywhere", false).has_value());
  auto cjk = source.Load(L"WenQuanYi Micro Hei", false);
  ASSERT_TRUE(cjk.has_value());
  EXPECT_GT(cjk->bytes.size(), 1000000u);
  // Mapped from its file, not copied, and unmapped with the last copy of the face.
  const void* bytes = cjk->bytes.data();
  MEMORY_BASIC_INFORMATION region{};
  ASSERT_NE(VirtualQuery(bytes, &region, sizeof(region)), 0u);
  EXPECT_EQ(region.Type, static_cast<DWORD>(MEM_MAPPED));
  cjk.reset();
  ASSERT_NE(VirtualQuery(bytes, &region, sizeof(region)), 0u);
  EXPECT_EQ(region.State, static_cast<DWORD>(MEM_FREE));
  EXPECT_FALSE(Fonts().GlyphFor({L"Tahoma", 11, false}, U'P').coverage.empty());
  EXPECT_FALSE(Fonts().GlyphFor({L"Tahoma", 11, true}, U'设').coverage.empty());
}

class WindowTest : public ::testing::Test {
 protected:
  LayeredWindow window{Fonts(), {L"Pelanto", {348, 413}}};
  Scene& scene = window.GetScene();
  RectangleNode* button = nullptr;
  TextBox* box = nullptr;
  int clicks = 0;

  void SetUp() override {
    auto* screen = scene.Root().Add<RectangleNode>("screen");
    screen->SetAlign(Align::Client, {10, 10, 10, 10});
    screen->SetFill(Brush::Solid(0xFFF35947));
    screen->SetCornerRadius(5);
    screen->SetGlow(GlowEffect{0xFF000000, 0.5f, 0.6f, {}});
    auto* title = screen->Add<TextNode>("title");
    title->SetBounds(4, 1, 228, 21);
    title->SetStyle(
        {{L"Tahoma", 11, true}, 0xFFFFFFFF, TextAlign::Leading, TextAlign::Center, false});
    title->SetText(L"Pelanto 设置");
    button = screen->Add<RectangleNode>("button");
    button->SetBounds(100, 100, 120, 60);
    button->SetFill(Brush::Solid(0xFFEA5600));
    button->SetHitTest(true);
    button->SetCursor(Cursor::Hand);
    button->onClick = [this] { ++clicks; };
    box = screen->Add<TextBox>("box");
    box->SetBounds(100, 200, 160, 22);
    window.Show();
    Pump(300);
  }
};

TEST_F(WindowTest, ShowsTheSceneAndReactsToAClickAndAKey) {
  EXPECT_TRUE(window.IsShown());
  EXPECT_FALSE(scene.HasDamage());  // the first frame went out
  ClickAt(window.Handle(), 170, 140);
  EXPECT_TRUE(PumpUntil([&] { return clicks == 1; }));
  ClickAt(window.Handle(), 150, 220);
  ASSERT_TRUE(PumpUntil([&] { return scene.Focused() == box; }));
  PressKey('A');
  PressKey('B');
  EXPECT_TRUE(PumpUntil([&] { return box->Text() == L"ab"; }));
  // Keep the window up a moment for a screenshot when one is wanted.
  if (const char* hold = std::getenv("PELANTO_HOLD_MS")) Pump(std::atoi(hold));
}

TEST_F(WindowTest, PressOnTheBackgroundDragsTheWindow) {
  RECT before{};
  GetWindowRect(window.Handle(), &before);
  DragBy(window.Handle(), 60, 300, 30, 20);
  RECT after{};
  GetWindowRect(window.Handle(), &after);
  EXPECT_EQ(after.left - before.left, 30);
  EXPECT_EQ(after.top - before.top, 20);
}

// A visible owned window of this thread other than `except`. The callback is a named WINAPI
// function: a lambda converts only to a default-convention pointer, which x86 tells apart.
struct OwnedWindowSearch {
  HWND except;
  HWND found;
};
BOOL CALLBACK NoteVisibleOwnedWindow(HWND hwnd, LPARAM p) {
  auto* search = reinterpret_cast<OwnedWindowSearch*>(p);
  if (hwnd != search->except && GetWindow(hwnd, GW_OWNER) != nullptr && IsWindowVisible(hwnd))
    search->found = hwnd;
  return TRUE;
}
HWND VisibleOwnedWindow(HWND except = nullptr) {
  OwnedWindowSearch search{except, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), NoteVisibleOwnedWindow,
                    reinterpret_cast<LPARAM>(&search));
  return search.found;
}

TEST_F(WindowTest, DropDownListIsAnOwnedWindowThatFollowsItsOwner) {
  auto* combo = scene.Root().Add<ComboBox>("combo");
  combo->SetBounds(100, 250, 156, 22);
  combo->SetItems({L"本地连接", L"无线网络连接"});
  combo->OpenDropDown();
  Pump(100);
  HWND list = VisibleOwnedWindow();
  ASSERT_NE(list, nullptr);
  RECT owner{}, before{}, after{};
  GetWindowRect(window.Handle(), &owner);
  GetWindowRect(list, &before);
  EXPECT_EQ(before.left - owner.left, 100);
  EXPECT_EQ(before.top - owner.top, 272);
  window.MoveWindowBy(15, -7);
  GetWindowRect(list, &after);
  EXPECT_EQ(after.left - before.left, 15);
  EXPECT_EQ(after.top - before.top, -7);
  // A press elsewhere on the owner closes the list.
  ClickAt(window.Handle(), 60, 360);
  Pump(100);
  EXPECT_FALSE(combo->IsDropDownOpen());
  EXPECT_FALSE(IsWindow(list));
}

TEST_F(WindowTest, ALiveNodesFramesGoToATileOverItThatFollowsAndLetsClicksThrough) {
  auto* blink = button->AddColorAnimation("Fill.Color");
  blink->startValue = 0xFFEA5600;
  blink->stopValue = 0xFF0078D7;
  blink->duration = 0.5;
  blink->loop = true;
  blink->Start();
  scene.SetLiveNode(button);
  Pump(300);
  HWND tile = VisibleOwnedWindow();
  ASSERT_NE(tile, nullptr);
  EXPECT_NE(GetWindowLongPtrW(tile, GWL_EXSTYLE) & WS_EX_TRANSPARENT, 0);
  RECT owner{}, place{};
  GetWindowRect(window.Handle(), &owner);
  GetWindowRect(tile, &place);
  // The button's scene area, a pixel around it.
  EXPECT_EQ(place.left - owner.left, 109);
  EXPECT_EQ(place.top - owner.top, 109);
  EXPECT_EQ(place.right - place.left, 122);
  EXPECT_EQ(place.bottom - place.top, 62);
  // A hidden window takes its tile along.
  window.Hide();
  EXPECT_FALSE(IsWindowVisible(tile));
  window.Show();
  Pump(200);
  EXPECT_TRUE(IsWindowVisible(tile));
  ClickAt(window.Handle(), 170, 140);
  EXPECT_TRUE(PumpUntil([&] { return clicks == 1; }));
  MoveCursorTo(window.Handle(), 30, 380);
  window.MoveWindowBy(15, -7);
  RECT moved{};
  GetWindowRect(tile, &moved);
  EXPECT_EQ(moved.left - place.left, 15);
  EXPECT_EQ(moved.top - place.top, -7);
  // When the animation ends, the tile goes.
  blink->Stop();
  scene.SetLiveNode(nullptr);
  Pump(200);
  EXPECT_FALSE(IsWindowVisible(tile));
}

TEST_F(WindowTest, HoverShowsTheTooltipWindowAfterADelay) {
  button->SetTooltip(L"一键开启WIFI");
  MoveCursorTo(window.Handle(), 150, 130);
  EXPECT_EQ(VisibleOwnedWindow(), nullptr);
  EXPECT_TRUE(PumpUntil([] { return VisibleOwnedWindow() != nullptr; }, 3000));
  MoveCursorTo(window.Handle(), 30, 380);
  EXPECT_TRUE(PumpUntil([] { return VisibleOwnedWindow() == nullptr; }, 3000));
}

// User plus kernel time of this process so far, in seconds.
double ProcessCpuSeconds() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  const auto seconds = [](FILETIME t) {
    return static_cast<double>((static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime) /
           1e7;
  };
  return seconds(kernel) + seconds(user);
}

TEST_F(WindowTest, ModalPopupInItsOwnWindowSleepsDragsItsOwnerAndReturnsItsResult) {
  MessagePopup popup(scene, {328, 250});
  popup.SetPlacement({10, 81.5f});
  auto* back = popup.Body().Add<RectangleNode>("back");
  back->SetBounds(0, 0, 328, 250);
  back->SetFill(Brush::Solid(0xE66A51C1));
  bool sawDisabled = false;
  HWND popupWindow = nullptr;
  double cpuAtRest = -1;
  RECT ownerBefore{}, ownerAfter{}, popupBefore{}, popupAfter{};
  window.onMessage = [&](UINT message, WPARAM wParam, LPARAM, LRESULT&) {
    if (message != WM_TIMER || (wParam != 78 && wParam != 79)) return false;
    KillTimer(window.Handle(), wParam);
    if (wParam == 78) {  // the opening slide has ended: the popup's own wait goes on idle
      cpuAtRest = ProcessCpuSeconds();
      return true;
    }
    cpuAtRest = ProcessCpuSeconds() - cpuAtRest;
    sawDisabled = !scene.Enabled();
    popupWindow = VisibleOwnedWindow();
    ClickAt(window.Handle(), 170, 140);  // the owner's button does not react now
    Pump(100);
    // A press on the popup's background moves the owner, which the popup follows.
    GetWindowRect(window.Handle(), &ownerBefore);
    GetWindowRect(popupWindow, &popupBefore);
    DragBy(popupWindow, 20, 120, 30, 20);
    GetWindowRect(window.Handle(), &ownerAfter);
    GetWindowRect(popupWindow, &popupAfter);
    popup.Close(1);
    return true;
  };
  SetTimer(window.Handle(), 78, 600, nullptr);
  SetTimer(window.Handle(), 79, 1600, nullptr);
  EXPECT_EQ(popup.PopupModal(), 1);
  window.onMessage = nullptr;
  EXPECT_TRUE(sawDisabled);
  ASSERT_NE(popupWindow, nullptr);
  EXPECT_FALSE(IsWindow(popupWindow));
  EXPECT_TRUE(scene.Enabled());
  EXPECT_EQ(clicks, 0);
  // A spinning wait would take the whole second.
  EXPECT_LT(cpuAtRest, 0.2) << "CPU seconds over one second with the popup open";
  EXPECT_EQ(ownerAfter.left - ownerBefore.left, 30);
  EXPECT_EQ(ownerAfter.top - ownerBefore.top, 20);
  EXPECT_EQ(popupAfter.left - popupBefore.left, 30);
  EXPECT_EQ(popupAfter.top - popupBefore.top, 20);
}

TEST_F(WindowTest, PressEndsWhenAnotherWindowTakesTheMouse) {
  HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(other, nullptr);
  MoveCursorTo(window.Handle(), 170, 140);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  ASSERT_TRUE(PumpUntil([&] { return button->State(NodeState::Pressed); }));
  SetCapture(other);
  Pump(50);
  EXPECT_FALSE(button->State(NodeState::Pressed));
  SendMouse(MOUSEEVENTF_LEFTUP);
  Pump(50);
  ReleaseCapture();
  DestroyWindow(other);
  EXPECT_EQ(clicks, 0);
  ClickAt(window.Handle(), 170, 140);
  EXPECT_TRUE(PumpUntil([&] { return clicks == 1; }));
}

TEST_F(WindowTest, AnimationTimerRunsOnlyWhileAnimating) {
  int frames = scene.RenderCount();
  Pump(300);
  EXPECT_EQ(scene.RenderCount(), frames);  // idle: nothing drawn
  button->AnimateFloatWait("Opacity", 0.2f, 0.3);
  EXPECT_FLOAT_EQ(button->Opacity(), 0.2f);
  EXPECT_GT(scene.RenderCount(), frames + 3);
  EXPECT_FALSE(scene.Clock().Running());
  frames = scene.RenderCount();
  Pump(300);
  EXPECT_EQ(scene.RenderCount(), frames);
}

TEST_F(WindowTest, TrayIconMenuOpensWithItsStates) {
  TrayIcon tray(window.Handle(), LoadIconW(nullptr, IDI_APPLICATION), L"pelanto");
  PopupMenu menu;
  int quits = 0;
  menu.AddItem(1, L"一键开启/关闭wifi", [] {});
  menu.AddItem(2, L"关于", [] {});
  menu.AddSeparator();
  menu.AddItem(3, L"退出", [&] { ++quits; });
  menu.SetChecked(1, true);
  menu.SetEnabled(2, false);
  bool opened = false, menuDone = false;
  int itemCount = 0;
  UINT_PTR probe = 77;
  window.onMessage = [&](UINT message, WPARAM wParam, LPARAM lParam, LRESULT&) {
    if (message == WM_TIMER && wParam == probe) {
      // Runs inside the menu's own loop: find the menu window, then close it.
      if (HWND popup = FindWindowW(L"#32768", nullptr);
          popup != nullptr && IsWindowVisible(popup)) {
        opened = true;
        HMENU shown = reinterpret_cast<HMENU>(SendMessageW(popup, 0x01E1 /* MN_GETHMENU */, 0, 0));
        if (shown != nullptr) itemCount = GetMenuItemCount(shown);
        KillTimer(window.Handle(), probe);
        EndMenu();
      }
      return true;
    }
    return tray.HandleMessage(message, wParam, lParam);
  };
  tray.onMenu = [&] {
    SetTimer(window.Handle(), probe, 100, nullptr);
    menu.ShowAtCursor(window.Handle(), [&] { window.DispatchPendingMessages(); });
    menuDone = true;
  };
  int trayClicks = 0;
  tray.onClick = [&] { ++trayClicks; };
  EXPECT_TRUE(tray.IsAdded());
  PostMessageW(window.Handle(), WM_APP + 0x41, 1, WM_RBUTTONUP);
  EXPECT_TRUE(PumpUntil([&] { return menuDone; }));
  EXPECT_TRUE(opened);
  EXPECT_EQ(itemCount, 4);
  EXPECT_EQ(quits, 0);
  EXPECT_TRUE(menu.IsChecked(1));
  EXPECT_FALSE(menu.IsEnabled(2));
  PostMessageW(window.Handle(), WM_APP + 0x41, 1, WM_LBUTTONDOWN);
  PostMessageW(window.Handle(), WM_APP + 0x41, 1, WM_LBUTTONUP);
  EXPECT_TRUE(PumpUntil([&] { return trayClicks == 1; }));
  // Explorer restarted: the icon is added again.
  SendMessageW(window.Handle(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_EQ(tray.AddCount(), 2);
  window.onMessage = nullptr;
}

}  // namespace
