#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/host.h"
#include "toolkit/scene.h"
#include "toolkit/shapes.h"
#include "toolkit/widgets/styles.h"

namespace toolkit {

// A read-only combo box: shows the selected item; a click (or Alt+Down, F4, Space) opens the
// item list in a drop-down popup window below it, Up/Down change the selection directly.
class ComboBox : public RectangleNode {
 public:
  explicit ComboBox(std::string name, ComboBoxStyle style = {});
  ~ComboBox() override;

  void SetItems(std::vector<std::wstring> items);
  const std::vector<std::wstring>& Items() const { return items_; }
  void Clear() { SetItems({}); }
  // -1 for none; an index out of range selects nothing.
  int SelectedIndex() const { return selected_; }
  void SetSelectedIndex(int index);
  std::wstring SelectedText() const;
  void SetFont(FontSpec font);
  std::function<void()> onChange;

  void OpenDropDown();
  void ToggleDropDown();
  void CloseDropDown();
  bool IsDropDownOpen() const { return popup_ != nullptr; }
  // The drop-down's scene while it is open (tests drive it).
  Scene* DropDownScene() { return listScene_.get(); }

  void Paint(Canvas& canvas) override;
  void OnMouseDown(const MouseEvent& e) override;
  void OnClick() override;
  void OnKeyDown(uint16_t& key, Modifiers modifiers) override;
  bool OnMouseWheel(float notches) override;

 private:
  void Choose(int index);
  ComboBoxStyle style_;
  FontSpec font_;
  std::vector<std::wstring> items_;
  int selected_ = -1;
  // The press that closed the open list must not open it again on release.
  bool swallowClick_ = false;
  std::unique_ptr<Scene> listScene_;
  std::unique_ptr<PopupWindow> popup_;
  // Closed lists, freed at the next opening: a row's click closes its own list.
  std::vector<std::shared_ptr<Scene>> retiredScenes_;
};

}  // namespace toolkit
