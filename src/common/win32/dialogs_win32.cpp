#include "common/text.h"
#include "common/win32/helpers.h"

namespace {

// The application's modal box: owned by its active window, or modal to all of its windows
// when none is active (the window may be hidden in the notification area).
int ApplicationMessageBox(std::wstring_view text, const std::wstring& caption, UINT flags) {
  HWND owner = GetActiveWindow();
  if (!owner) flags |= MB_TASKMODAL;
  const std::wstring body(text);
  return MessageBoxW(owner, body.c_str(), caption.c_str(), flags);
}

}  // namespace

void ShowInfoMessage(std::wstring_view text, std::wstring_view caption, UINT flags) {
  ApplicationMessageBox(text, CaptionOrDefault(caption), flags);
}

bool AskYesNo(std::wstring_view text, std::wstring_view caption) {
  return ApplicationMessageBox(text, CaptionOrDefault(caption), MB_OKCANCEL | MB_ICONINFORMATION) ==
         IDOK;
}

void ShowErrorBox(std::wstring_view message) {
  ApplicationMessageBox(ErrorBoxText(message), ApplicationTitle(ExecutablePath()),
                        MB_OK | MB_ICONSTOP);
}
