#include "shell/win32/main_window_win32.h"

#include "common/app_error.h"
#include "common/win32/helpers.h"
#include "common/win32/system_library.h"
#include "online/hosts.h"
#include "online/win32/window_wait_win32.h"
#include "shell/win32/app_icon_resource.h"
#include "toolkit/win32/gdi_font_source.h"

namespace {

constexpr wchar_t kTrayTooltip[] = L"pelanto";

// The window runs elevated, and Windows drops what a program of lower rights (Explorer among
// them) posts to it unless the window lets that message in.
void AllowFromAnySender(HWND window, UINT message) {
  using ChangeWindowMessageFilterExRoutine = BOOL(WINAPI*)(HWND, UINT, DWORD, PCHANGEFILTERSTRUCT);
  static const auto allow = FindRoutine<ChangeWindowMessageFilterExRoutine>(
      GetModuleHandleW(L"user32.dll"), "ChangeWindowMessageFilterEx");
  if (allow && message != 0) allow(window, message, MSGFLT_ALLOW, nullptr);
}

}  // namespace

MainWindow::MainWindow(SharingPlatform& sharing, std::vector<std::wstring> parameters)
    : logonStart_(IsLogonStart(parameters)),
      firewall_(sharing),
      controller_(MainPorts{commands_, system_, registry_, logonTask_, dialogs_, *this, ansi_,
                            firewall_, mobileHotspot_, &wlan_},
                  std::move(parameters)),
      connector_(WindowThreadWaits()),
      feedback_(*this, connector_, SiteHost()) {}

MainWindow::~MainWindow() { Destroy(); }

bool MainWindow::Create(HINSTANCE instance) {
  LoadIcons(instance);
  fonts_ =
      std::make_unique<toolkit::FontLibrary>(std::make_unique<toolkit::win32::GdiFontSource>());
  toolkit::win32::WindowOptions options;
  options.caption = kCaption;
  options.size = {ui::MainForm::kWidth, ui::MainForm::kHeight};
  options.className = kClassName;
  options.bigIcon = bigIcon_.Get();
  options.smallIcon = smallIcon_.Get();
  options.inputHold = &inputHold_;
  window_ = std::make_unique<toolkit::win32::LayeredWindow>(*fonts_, options);
  if (window_->Handle() == nullptr) {
    window_.reset();
    return false;
  }
  form_ = std::make_unique<ui::MainForm>(window_->GetScene());
  ConnectFormEvents();
  BuildTrayMenu();
  tray_ =
      std::make_unique<toolkit::win32::TrayIcon>(window_->Handle(), smallIcon_.Get(), kTrayTooltip);
  tray_->inputHold = &inputHold_;
  pm1_.inputHold = &inputHold_;
  tray_->onClick = [this] { controller_.TrayIcon1Click(); };
  tray_->onMenu = [this] {
    pm1_.ShowAtCursor(window_->Handle(), [] { DispatchPendingMessages(); });
  };
  window_->onMessage = [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return HandleMessage(message, wParam, lParam, result);
  };
  // A restarted Explorer announces its new taskbar, and the tray icon is added again; other
  // programs may ask for the usage report.
  AllowFromAnySender(window_->Handle(), RegisterWindowMessageW(L"TaskbarCreated"));
  AllowFromAnySender(window_->Handle(), kSendReportMessage);

  // The home screen is up while creation runs its commands; a logon start shows the window only
  // once created, and the auto start hides it at once.
  if (!logonStart_) window_->Show(true);
  controller_.FormCreate();
  if (logonStart_) window_->Show(true);
  return true;
}

void MainWindow::ShutDown() {
  if (shutDown_ || !window_) return;
  shutDown_ = true;
  window_->Hide();
  // Waits inside the shutdown work end at once from here on.
  window_->SetEnding();
  controller_.FormDestroy();
  SetCommentTimer(false);
}

void MainWindow::Destroy() {
  if (!window_) return;
  ShutDown();
  tray_.reset();
  window_->onMessage = nullptr;
  form_.reset();
  window_.reset();
}

void MainWindow::LoadIcons(HINSTANCE instance) {
  const auto load = [instance](int sizeMetric) {
    const int size = GetSystemMetrics(sizeMetric);
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kAppIconResource), IMAGE_ICON,
                                         size, size, LR_DEFAULTCOLOR));
  };
  bigIcon_.Reset(load(SM_CXICON));
  smallIcon_.Reset(load(SM_CXSMICON));
}

void MainWindow::BuildTrayMenu() {
  pm1_.AddItem(kNwifi, L"一键开启/关闭wifi", [this] { controller_.NwifiClick(); });
  pm1_.AddItem(kNAbout, L"关于", [this] { Guarded([this] { feedback_.btnUpdateClick(); }); });
  pm1_.AddSeparator();
  pm1_.AddItem(kNclose, L"退出", [this] { controller_.NcloseClick(); });
}

void MainWindow::ConnectFormEvents() {
  ui::MainForm& form = *form_;
  form.onBeginClick = [this] { controller_.btnBeginClick(); };
  form.onStopClick = [this] { controller_.btnStopClick(); };
  form.onSettingClick = [this] { controller_.btnSettingClick(); };
  form.onSetSaveClick = [this] { controller_.btnSetSaveClick(); };
  form.onSetBackClick = [this] { controller_.btnSetBackClick(); };
  form.onCloseClick = [this] { controller_.btnClose_1Click(); };
  form.onQcodeClick = [this] { controller_.label_QcodeClick(); };
  form.onQcodePanelClick = [this] { controller_.lyQcodeClick(); };
  form.onMinutesClick = [this] { Guarded([this] { feedback_.btnMinutesClick(); }); };
  form.onUpdateClick = [this] { Guarded([this] { feedback_.btnUpdateClick(); }); };
  // A context request opens the popup outside the feedback handler: its result sends nothing.
  form.onSuggestContextRequest = [this] { form_->PopupModalFromContextRequest(); };
  form.tSSIDName->onKeyDown = [this](uint16_t& key, wchar_t& keyChar, toolkit::Modifiers) {
    controller_.tSSIDNameKeyDown(key, keyChar);
  };
  form.tPwd->onKeyDown = [this](uint16_t& key, wchar_t& keyChar, toolkit::Modifiers) {
    controller_.tPwdKeyDown(key, keyChar);
  };
  form.MemoSuggest->onFocusChange = [this](bool focused) {
    if (focused) {
      feedback_.MemoSuggestEnterFocus();
    } else {
      feedback_.MemoSuggestKillFocus();
    }
  };
}

bool MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = 0;
  if (tray_ && tray_->HandleMessage(message, wParam, lParam)) return true;
  switch (message) {
    case kAutoStartMessage:
      // A wait of the shutdown work may dispatch it: the hotspot is stopping, not starting.
      if (!shutDown_) controller_.WMAutoStart();
      return true;
    case kSendReportMessage:
      usageReport_.WMSendReport();
      return true;
    case WM_TIMER:
      if (wParam != kCommentTimer) return false;
      feedback_.tmrcommentTimer();
      return true;
    case WM_CLOSE:
      // A close during a command waits for its end: the command's work is not cut short.
      if (inputHold_.Defer([this] { RequestClose(); })) return true;
      // Closing ends the message loop; the shutdown work runs before the window goes.
      PostQuitMessage(0);
      return true;
    case WM_ENDSESSION:
      // The session ends and the process with it, without a message loop to return to: the
      // hotspot goes with the user rather than running on unattended.
      if (wParam) ShutDown();
      return true;
    default:
      return false;
  }
}

void MainWindow::Guarded(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const AppError& error) {
    dialogs_.ShowErrorBox(error.Message());
  }
}

void MainWindow::PostAutoStart() { PostMessageW(window_->Handle(), kAutoStartMessage, 0, 0); }

void MainWindow::RequestClose() { PostMessageW(window_->Handle(), WM_CLOSE, 0, 0); }

toolkit::ComboBox& MainWindow::Combo(AdapterList list) const {
  return list == AdapterList::Public ? *form_->cbtPublicNet : *form_->cbtPrivateNet;
}

void MainWindow::ClearAdapterList(AdapterList list) {
  Entries(list).Clear();
  Combo(list).Clear();
}

void MainWindow::AddAdapterEntry(AdapterList list, const std::wstring& text,
                                 TNTNetConnection* connection) {
  AdapterListModel& entries = Entries(list);
  entries.Add(text, connection);
  std::vector<std::wstring> texts;
  texts.reserve(entries.Entries().size());
  for (const auto& entry : entries.Entries()) texts.push_back(entry.text);
  toolkit::ComboBox& combo = Combo(list);
  const int selected = combo.SelectedIndex();
  combo.SetItems(std::move(texts));
  combo.SetSelectedIndex(selected);
}

// The list box holds one item per entry, so its selection is the entry's index.
int MainWindow::SelectedAdapterIndex(AdapterList list) const { return Combo(list).SelectedIndex(); }

void MainWindow::SelectAdapter(AdapterList list, int index) { Combo(list).SetSelectedIndex(index); }

void MainWindow::SetMemoText(std::wstring_view text) {
  form_->MemoSuggest->SetText(std::wstring(text));
}

void MainWindow::SetCommentTimer(bool on) {
  commentTimerOn_ = on;
  if (!window_) return;
  if (on) {
    SetTimer(window_->Handle(), kCommentTimer, kCommentThrottleMs, nullptr);
  } else {
    KillTimer(window_->Handle(), kCommentTimer);
  }
}

void MainWindow::OpenWebPage(std::wstring_view address) { ::OpenWebPage(address); }
