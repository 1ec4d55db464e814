#include "toolkit/win32/gdi_objects.h"
#include "toolkit/win32/popup_menu.h"

namespace toolkit::win32 {
namespace {

std::wstring WithoutAccelerators(const std::wstring& caption) {
  std::wstring out;
  for (wchar_t c : caption) {
    out += c;
    if (c == L'&') out += L'&';
  }
  return out;
}

}  // namespace

void PopupMenu::AddItem(UINT id, std::wstring caption, std::function<void()> onClick) {
  items_.push_back({id, std::move(caption), false, false, true, std::move(onClick)});
}

void PopupMenu::AddSeparator() { items_.push_back({0, L"-", true, false, true, {}}); }

PopupMenu::Item* PopupMenu::Find(UINT id) {
  for (auto& item : items_) {
    if (!item.separator && item.id == id) return &item;
  }
  return nullptr;
}

const PopupMenu::Item* PopupMenu::Find(UINT id) const {
  return const_cast<PopupMenu*>(this)->Find(id);
}

void PopupMenu::SetChecked(UINT id, bool checked) {
  if (Item* item = Find(id)) item->checked = checked;
}
void PopupMenu::SetEnabled(UINT id, bool enabled) {
  if (Item* item = Find(id)) item->enabled = enabled;
}
bool PopupMenu::IsChecked(UINT id) const { return Find(id) != nullptr && Find(id)->checked; }
bool PopupMenu::IsEnabled(UINT id) const { return Find(id) != nullptr && Find(id)->enabled; }

UINT PopupMenu::ShowAtCursor(HWND owner, const std::function<void()>& dispatchPending) {
  // Without the foreground the menu would not close when the user clicks elsewhere.
  SetForegroundWindow(owner);
  if (dispatchPending) dispatchPending();
  UniqueMenu menu(CreatePopupMenu());
  if (!menu) return 0;
  for (const Item& item : items_) {
    if (item.separator) {
      AppendMenuW(menu.Get(), MF_SEPARATOR, 0, nullptr);
      continue;
    }
    UINT flags = MF_STRING;
    if (item.checked) flags |= MF_CHECKED;
    if (!item.enabled) flags |= MF_GRAYED;
    AppendMenuW(menu.Get(), flags, item.id, WithoutAccelerators(item.caption).c_str());
  }
  POINT at{};
  GetCursorPos(&at);
  const UINT chosen = static_cast<UINT>(TrackPopupMenu(
      menu.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, owner, nullptr));
  // Lets the menu close properly the next time the user clicks away.
  PostMessageW(owner, WM_NULL, 0, 0);
  if (chosen != 0 && (inputHold == nullptr || !inputHold->Held())) {
    if (Item* item = Find(chosen); item != nullptr && item->enabled && item->onClick)
      item->onClick();
  }
  return chosen;
}

}  // namespace toolkit::win32
