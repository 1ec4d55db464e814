#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "toolkit/input_hold.h"

namespace toolkit::win32 {

// A native popup menu whose items keep their check and enable state between showings.
// Captions are shown as written: "&" makes no accelerator.
class PopupMenu {
 public:
  void AddItem(UINT id, std::wstring caption, std::function<void()> onClick);
  void AddSeparator();
  void SetChecked(UINT id, bool checked);
  void SetEnabled(UINT id, bool enabled);
  bool IsChecked(UINT id) const;
  bool IsEnabled(UINT id) const;

  // Brings `owner` to the foreground, dispatches pending messages, then shows the menu at
  // the cursor and runs the chosen item's handler. Returns the chosen id, 0 for none.
  UINT ShowAtCursor(HWND owner, const std::function<void()>& dispatchPending = {});
  // While held, a chosen item does nothing (not owned).
  const InputHold* inputHold = nullptr;

 private:
  struct Item {
    UINT id = 0;
    std::wstring caption;
    bool separator = false;
    bool checked = false;
    bool enabled = true;
    std::function<void()> onClick;
  };
  Item* Find(UINT id);
  const Item* Find(UINT id) const;
  std::vector<Item> items_;
};

}  // namespace toolkit::win32
