#include "shell/win32/main_window_win32.h"

namespace {

constexpr wchar_t kWindowClass[] = L"TzenTuraMain";
constexpr wchar_t kCaption[] = L"Pelanto";
constexpr int kClientWidth = 348;
constexpr int kClientHeight = 413;

}  // namespace

MainWindow::MainWindow(SharingPlatform& sharing, std::vector<std::wstring> parameters)
    : firewall_(sharing),
      controller_(MainPorts{commands_, system_, registry_, dialogs_, *this, ansi_, firewall_},
                  std::move(parameters)) {}

MainWindow::~MainWindow() {
  if (window_) DestroyWindow(window_);
}

bool MainWindow::Create(HINSTANCE instance) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = &MainWindow::WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassExW(&windowClass);

  const int left = (GetSystemMetrics(SM_CXSCREEN) - kClientWidth) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - kClientHeight) / 2;
  // The window itself carries the taskbar button.
  window_ = CreateWindowExW(WS_EX_APPWINDOW, kWindowClass, kCaption, WS_POPUP | WS_SYSMENU, left,
                            top, kClientWidth, kClientHeight, nullptr, nullptr, instance, this);
  if (!window_) return false;
  controller_.FormCreate();
  ::ShowWindow(window_, SW_SHOW);
  UpdateWindow(window_);
  return true;
}

void MainWindow::Destroy() {
  if (!window_) return;
  ::ShowWindow(window_, SW_HIDE);
  controller_.FormDestroy();
  DestroyWindow(window_);
  window_ = nullptr;
}

void MainWindow::Redraw() {
  if (window_) InvalidateRect(window_, nullptr, TRUE);
}

void MainWindow::SetNetworkNameText(const std::wstring& text) {
  networkName_ = text;
  Redraw();
}

void MainWindow::SetPasswordText(const std::wstring& text) {
  password_ = text;
  Redraw();
}

void MainWindow::SetRunningTexts(const std::wstring& networkName,
                                 const std::wstring& passwordLine) {
  runningName_ = networkName;
  runningPassword_ = passwordLine;
  Redraw();
}

void MainWindow::LoadQrImage(const std::vector<uint8_t>& imageFile) {
  // Kept undecoded: this window does not draw the code.
  if (!imageFile.empty()) qrImageFile_ = imageFile;
}

void MainWindow::ShowScreen(Screen screen) {
  screen_ = screen;
  Redraw();
}

void MainWindow::PostAutoStart() { PostMessageW(window_, kAutoStartMessage, 0, 0); }

void MainWindow::HideWindow() { ::ShowWindow(window_, SW_HIDE); }

void MainWindow::ShowWindow() {
  ::ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
}

void MainWindow::RequestClose() { PostMessageW(window_, WM_CLOSE, 0, 0); }

LRESULT CALLBACK MainWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    static_cast<MainWindow*>(create->lpCreateParams)->window_ = window;
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  return self->Handle(message, wParam, lParam);
}

LRESULT MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kAutoStartMessage:
      controller_.WMAutoStart();
      return 0;
    case kSendReportMessage:
      usageReport_.WMSendReport();
      return 0;
    case WM_CLOSE:
      // Closing ends the message loop; the shutdown work runs before the window goes.
      PostQuitMessage(0);
      return 0;
    case WM_KEYDOWN:
      // Until the real buttons arrive, Enter starts or stops sharing as the tray item does.
      if (wParam == VK_RETURN) {
        controller_.NwifiClick();
        return 0;
      }
      return DefWindowProcW(window_, message, wParam, lParam);
    case WM_LBUTTONDOWN:
      // A press anywhere drags the borderless window.
      ReleaseCapture();
      SendMessageW(window_, WM_NCLBUTTONDOWN, HTCAPTION, 0);
      return 0;
    case WM_PAINT:
      Paint();
      return 0;
    default:
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

void MainWindow::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);
  RECT client;
  GetClientRect(window_, &client);
  HBRUSH background = CreateSolidBrush(RGB(0x1D, 0x2A, 0x3A));
  FillRect(dc, &client, background);
  DeleteObject(background);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0xFF, 0xFF, 0xFF));
  const std::wstring text = screen_ == Screen::Running
                                ? runningName_ + L"\n" + runningPassword_
                                : std::wstring(kCaption) + L"\n" + networkName_;
  DrawTextW(dc, text.c_str(), -1, &client, DT_CENTER | DT_VCENTER | DT_WORDBREAK);
  EndPaint(window_, &paint);
}
