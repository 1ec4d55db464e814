#include <windowsx.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "common/win32/message_pump.h"
#include "toolkit/tooltip_scene.h"
#include "toolkit/win32/layered_window.h"

namespace toolkit::win32 {
namespace {

constexpr wchar_t kClassName[] = L"PelantoLayeredWindow";
constexpr UINT kRenderMessage = WM_APP + 0x40;
constexpr UINT_PTR kClockTimer = 1;
constexpr UINT_PTR kTooltipTimer = 2;
constexpr UINT kTooltipDelayMs = 500;

// Registers `name` once per process.
void RegisterWindowClass(const wchar_t* name) {
  WNDCLASSEXW wc{};
  if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &wc)) return;
  wc.cbSize = sizeof(wc);
  // Double clicks arrive as second presses (CS_DBLCLKS), as the handlers expect.
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = name;
  RegisterClassExW(&wc);
}

Modifiers CurrentModifiers() {
  return {GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_MENU) < 0};
}

MouseButton PressedButton(UINT message) {
  if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) return MouseButton::Left;
  if (message == WM_RBUTTONDOWN || message == WM_RBUTTONDBLCLK) return MouseButton::Right;
  return MouseButton::Middle;
}

PointF ClientPoint(LPARAM lParam) {
  return {static_cast<float>(GET_X_LPARAM(lParam)), static_cast<float>(GET_Y_LPARAM(lParam))};
}

// Opens the clipboard for one scope.
class ClipboardScope {
 public:
  explicit ClipboardScope(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
  ~ClipboardScope() {
    if (open_) CloseClipboard();
  }
  ClipboardScope(const ClipboardScope&) = delete;
  ClipboardScope& operator=(const ClipboardScope&) = delete;
  bool IsOpen() const { return open_; }

 private:
  bool open_;
};

}  // namespace

// A popup window owned by a LayeredWindow, kept at its place relative to the owner.
class LayeredWindow::OwnedPopup : public PopupWindow {
 public:
  OwnedPopup(LayeredWindow& owner, Scene& content, PointF at, bool activate)
      : owner_(owner),
        content_(content),
        activates_(activate),
        at_(at),
        window_(content, WindowOptions{L"", content.Size(), owner.Handle(), false, {}, activate}) {
    owner_.popups_.push_back(this);
    window_.dragsOwner_ = &owner_;
    window_.inputHold_ = owner_.inputHold_;
    Place();
    window_.Show(activate);
  }
  ~OwnedPopup() override {
    std::erase(owner_.popups_, this);
    // Give the keyboard back to the owner before the popup disappears.
    if (GetForegroundWindow() == window_.Handle()) SetForegroundWindow(owner_.Handle());
  }
  void MoveTo(PointF p) override {
    at_ = p;
    Place();
  }
  void DeactivateIfPassive() {
    if (!activates_) content_.Deactivate();
  }
  void Place() {
    POINT origin{0, 0};
    ClientToScreen(owner_.Handle(), &origin);
    SetWindowPos(window_.Handle(), nullptr, origin.x + static_cast<int>(std::lround(at_.x)),
                 origin.y + static_cast<int>(std::lround(at_.y)), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

 private:
  LayeredWindow& owner_;
  Scene& content_;
  bool activates_;
  PointF at_;
  LayeredWindow window_;
};

LayeredWindow::LayeredWindow(FontLibrary& fonts, WindowOptions options)
    : ownScene_(std::make_unique<Scene>(options.size, fonts, *this)), scene_(ownScene_.get()) {
  Create(options);
}

LayeredWindow::LayeredWindow(Scene& scene, WindowOptions options) : scene_(&scene) {
  scene_->SetHost(*this);
  Create(options);
}

void LayeredWindow::Create(const WindowOptions& options) {
  inputHold_ = options.inputHold;
  const wchar_t* className = options.className.empty() ? kClassName : options.className.c_str();
  RegisterWindowClass(className);
  const int width = static_cast<int>(std::ceil(options.size.width));
  const int height = static_cast<int>(std::ceil(options.size.height));
  POINT at = options.position;
  if (options.centered) {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    at = {work.left + (work.right - work.left - width) / 2,
          work.top + (work.bottom - work.top - height) / 2};
  }
  DWORD exStyle = WS_EX_LAYERED;
  if (options.owner != nullptr) exStyle |= WS_EX_TOOLWINDOW;
  if (!options.takesFocus) exStyle |= WS_EX_NOACTIVATE | WS_EX_TOPMOST;
  hwnd_ = CreateWindowExW(exStyle, className, options.caption.c_str(), WS_POPUP, at.x, at.y, width,
                          height, options.owner, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (hwnd_ == nullptr) return;
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  tile_.SetOwner(hwnd_);
  SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LayeredWindow::WindowProc));
  if (options.bigIcon != nullptr)
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(options.bigIcon));
  if (options.smallIcon != nullptr)
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(options.smallIcon));
  scene_->SetOnScreen(false);

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows, as the frame has them
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  memoryDc_.Reset(CreateCompatibleDC(nullptr));
  void* bits = nullptr;
  dib_.Reset(CreateDIBSection(memoryDc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  dibPixels_ = static_cast<uint32_t*>(bits);
  // The scene draws straight into the DIB section: no second copy of the window's picture.
  frame_ = dibPixels_ != nullptr ? Bitmap::Over(dibPixels_, width, height) : Bitmap(width, height);
  scene_->AddDamage(frame_.Bounds());
}

LayeredWindow::~LayeredWindow() {
  tooltipWindow_.reset();
  tile_.Destroy();
  if (hwnd_ != nullptr) {
    KillTimer(hwnd_, kClockTimer);
    KillTimer(hwnd_, kTooltipTimer);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
  // A borrowed scene outlives this window; it must not call us any more.
  if (!ownScene_) scene_->SetHost(DetachedHost());
  ownScene_.reset();
}

void LayeredWindow::Show(bool activate) {
  scene_->SetOnScreen(true);
  RenderNow();
  ShowWindow(hwnd_, activate ? SW_SHOW : SW_SHOWNOACTIVATE);
  if (activate) SetForegroundWindow(hwnd_);
}

void LayeredWindow::Hide() {
  ShowTooltip({}, {});
  tile_.Hide();
  ShowWindow(hwnd_, SW_HIDE);
  scene_->SetOnScreen(false);
}

void LayeredWindow::RequestRender() {
  if (renderPosted_ || hwnd_ == nullptr) return;
  renderPosted_ = PostMessageW(hwnd_, kRenderMessage, 0, 0) != FALSE;
}

void LayeredWindow::RenderNow() {
  renderPosted_ = false;
  if (hwnd_ == nullptr || dibPixels_ == nullptr) return;
  GdiFlush();  // GDI is done with the DIB's pixels before the scene writes them
  const RectI area = scene_->Render(frame_);
  if (area.IsEmpty()) return;
  ScopedSelect select(memoryDc_.Get(), dib_.Get());
  RectI live = IsShown() ? scene_->LiveArea() : RectI{};
  if (!live.IsEmpty() && !IsOpaque(frame_, live)) live = {};
  // A frame that changed only inside the live area the tile shows goes to the tile alone.
  if (!live.IsEmpty() && tile_.Shown() && tile_.Area() == live && live.Intersect(area) == area &&
      !wholeFramePending_ && tile_.Show(memoryDc_.Get(), live)) {
    behindTileStale_ = true;
    return;
  }
  SendToWindow(behindTileStale_ ? area.Union(tile_.Area()) : area);
  if (live.IsEmpty() || !tile_.Show(memoryDc_.Get(), live)) tile_.Hide();
}

void LayeredWindow::SendToWindow(const RectI& dirty) {
  SIZE size{frame_.Width(), frame_.Height()};
  POINT source{0, 0};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  // Only the area redrawn goes to the window, which keeps the rest of its picture; a window that
  // has none yet (or a new screen) takes the whole frame.
  if (!wholeFramePending_ && dirty != frame_.Bounds()) {
    const RECT rect{dirty.left, dirty.top, dirty.right, dirty.bottom};
    UPDATELAYEREDWINDOWINFO update{};
    update.cbSize = sizeof(update);
    update.psize = &size;
    update.hdcSrc = memoryDc_.Get();
    update.pptSrc = &source;
    update.pblend = &blend;
    update.dwFlags = ULW_ALPHA;
    update.prcDirty = &rect;
    if (UpdateLayeredWindowIndirect(hwnd_, &update)) {
      behindTileStale_ = false;
      return;
    }
  }
  wholeFramePending_ = UpdateLayeredWindow(hwnd_, nullptr, nullptr, &size, memoryDc_.Get(),
                                           &source, 0, &blend, ULW_ALPHA) == FALSE;
  if (!wholeFramePending_) behindTileStale_ = false;
}

void LayeredWindow::SetCursor(Cursor cursor) {
  cursor_ = cursor;
  POINT p{};
  GetCursorPos(&p);
  if (WindowFromPoint(p) == hwnd_) {
    ::SetCursor(LoadCursorW(nullptr, cursor == Cursor::Hand    ? IDC_HAND
                                     : cursor == Cursor::IBeam ? IDC_IBEAM
                                                               : IDC_ARROW));
  }
}

void LayeredWindow::MoveWindowBy(int dx, int dy) {
  if (dragsOwner_ != nullptr) {
    dragsOwner_->MoveWindowBy(dx, dy);
    return;
  }
  RECT r{};
  GetWindowRect(hwnd_, &r);
  SetWindowPos(hwnd_, nullptr, r.left + dx, r.top + dy, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  PlacePopups();
}

void LayeredWindow::PlacePopups() {
  for (OwnedPopup* p : popups_) p->Place();
}

void LayeredWindow::DeactivatePassivePopups() {
  // Closing one removes it from the list.
  const std::vector<OwnedPopup*> popups = popups_;
  for (OwnedPopup* p : popups) {
    if (std::find(popups_.begin(), popups_.end(), p) != popups_.end()) p->DeactivateIfPassive();
  }
}

void LayeredWindow::SetMouseCapture(bool captured) {
  if (captured) {
    SetCapture(hwnd_);
  } else if (GetCapture() == hwnd_) {
    ReleaseCapture();
  }
}

void LayeredWindow::ShowTooltip(const std::wstring& text, PointF) {
  tooltipText_ = text;
  KillTimer(hwnd_, kTooltipTimer);
  tooltipWindow_.reset();
  tooltipScene_.reset();
  if (!text.empty()) SetTimer(hwnd_, kTooltipTimer, kTooltipDelayMs, nullptr);
}

void LayeredWindow::ShowTooltipNow() {
  KillTimer(hwnd_, kTooltipTimer);
  if (tooltipText_.empty()) return;
  POINT p{};
  GetCursorPos(&p);
  const SizeF size = TooltipSize(scene_->Fonts(), tooltipText_);
  tooltipScene_ = std::make_unique<Scene>(size, scene_->Fonts(), *this);
  BuildTooltip(*tooltipScene_, tooltipText_);
  tooltipWindow_ = std::make_unique<LayeredWindow>(
      *tooltipScene_, WindowOptions{L"", size, hwnd_, false, {p.x, p.y + 20}, false});
  tooltipWindow_->Show(false);
}

void LayeredWindow::SetClockRunning(bool running) {
  if (running == clockRunning_ || hwnd_ == nullptr) return;
  clockRunning_ = running;
  if (running) {
    SetTimer(hwnd_, kClockTimer, AnimationClock::kIntervalMs, nullptr);
  } else {
    KillTimer(hwnd_, kClockTimer);
  }
}

void LayeredWindow::DispatchPendingMessages() {
  if (!::DispatchPendingMessages()) ending_ = true;
  Sleep(0);
}

void LayeredWindow::WaitForMessages() {
  if (!WaitAndDispatchMessages()) ending_ = true;
}

bool LayeredWindow::IsEnding() { return ending_ || hwnd_ == nullptr || !IsWindow(hwnd_); }

std::wstring LayeredWindow::ClipboardText() {
  ClipboardScope clipboard(hwnd_);
  if (!clipboard.IsOpen()) return {};
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (data == nullptr) return {};
  const auto* text = static_cast<const wchar_t*>(GlobalLock(data));
  if (text == nullptr) return {};
  std::wstring out(text, wcsnlen(text, GlobalSize(data) / sizeof(wchar_t)));
  GlobalUnlock(data);
  return out;
}

void LayeredWindow::SetClipboardText(const std::wstring& text) {
  ClipboardScope clipboard(hwnd_);
  if (!clipboard.IsOpen() || !EmptyClipboard()) return;
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (memory == nullptr) return;
  if (void* p = GlobalLock(memory)) {
    std::memcpy(p, text.c_str(), bytes);
    GlobalUnlock(memory);
    // The clipboard owns the memory once it took it.
    if (SetClipboardData(CF_UNICODETEXT, memory) != nullptr) return;
  }
  GlobalFree(memory);
}

std::unique_ptr<PopupWindow> LayeredWindow::OpenPopup(Scene& content, PointF ownerPoint,
                                                      bool activate) {
  return std::make_unique<OwnedPopup>(*this, content, ownerPoint, activate);
}

LRESULT CALLBACK LayeredWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<LayeredWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  return self != nullptr ? self->Handle(message, wParam, lParam)
                         : DefWindowProcW(hwnd, message, wParam, lParam);
}

bool LayeredWindow::TrySceneMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  Scene& scene = *scene_;
  switch (message) {
    case WM_MOUSEMOVE:
      if (!trackingLeave_) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd_, 0};
        trackingLeave_ = TrackMouseEvent(&track) != FALSE;
      }
      scene.MouseMove(ClientPoint(lParam), CurrentModifiers());
      return true;
    case WM_MOUSELEAVE:
      trackingLeave_ = false;
      scene.MouseLeave();
      return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      scene.MouseDown(ClientPoint(lParam), PressedButton(message), CurrentModifiers());
      DeactivatePassivePopups();
      return true;
    case WM_LBUTTONUP:
      scene.MouseUp(ClientPoint(lParam), MouseButton::Left, CurrentModifiers());
      return true;
    case WM_RBUTTONUP:
      scene.MouseUp(ClientPoint(lParam), MouseButton::Right, CurrentModifiers());
      return true;
    case WM_MBUTTONUP:
      scene.MouseUp(ClientPoint(lParam), MouseButton::Middle, CurrentModifiers());
      return true;
    case WM_MOUSEWHEEL: {
      POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      ScreenToClient(hwnd_, &p);
      scene.MouseWheel({static_cast<float>(p.x), static_cast<float>(p.y)},
                       static_cast<float>(GET_WHEEL_DELTA_WPARAM(wParam)) / WHEEL_DELTA);
      return true;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      return scene.KeyDown(static_cast<uint16_t>(wParam), CurrentModifiers()) ||
             message == WM_KEYDOWN;
    case WM_CHAR:
      scene.Char(static_cast<wchar_t>(wParam));
      return true;
    default:
      return false;
  }
}

LRESULT LayeredWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (onMessage && onMessage(message, wParam, lParam, result)) return result;
  switch (message) {
    case kRenderMessage:
      RenderNow();
      return 0;
    case WM_TIMER:
      if (wParam == kClockTimer) {
        scene_->Tick();
        RenderNow();
      } else if (wParam == kTooltipTimer) {
        ShowTooltipNow();
      }
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT) {
        ::SetCursor(LoadCursorW(nullptr, cursor_ == Cursor::Hand    ? IDC_HAND
                                         : cursor_ == Cursor::IBeam ? IDC_IBEAM
                                                                    : IDC_ARROW));
        return TRUE;
      }
      break;
    case WM_MOUSEACTIVATE:
      if ((GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) & WS_EX_NOACTIVATE) != 0) return MA_NOACTIVATE;
      break;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        scene_->Deactivate();
        DeactivatePassivePopups();
      }
      break;
    case WM_MOVE:
      tile_.Place();
      PlacePopups();
      break;
    case WM_DISPLAYCHANGE:
      // A new screen mode: the whole picture goes to the window again.
      wholeFramePending_ = true;
      scene_->AddDamage(frame_.Bounds());
      break;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != hwnd_) scene_->CaptureLost();
      break;
    case WM_DESTROY:
      ending_ = ending_ || GetParent(hwnd_) == nullptr;
      break;
    default:
      if (TrySceneMessage(message, wParam, lParam)) return 0;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

}  // namespace toolkit::win32
