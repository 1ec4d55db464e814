#pragma once

#include <functional>
#include <string>

#include "toolkit/shapes.h"
#include "toolkit/widgets/styles.h"

namespace toolkit {

// A box with a check mark that fades in when checked, and a caption to its right.
// A click or Space toggles it.
class CheckBox : public Node {
 public:
  explicit CheckBox(std::string name, CheckBoxStyle style = {});
  bool IsChecked() const { return State(NodeState::Checked); }
  void SetChecked(bool checked);
  void SetCaption(std::wstring caption);
  void SetFont(FontSpec font);
  std::function<void()> onChange;

  void OnClick() override;
  void OnKeyDown(uint16_t& key, Modifiers modifiers) override;
  void OnStateChanged(NodeState state) override;

 protected:
  void OnResized() override;

 private:
  CheckBoxStyle style_;
  RectangleNode* box_;
  PathNode* mark_;
  TextNode* caption_;
};

// A frame with a caption that sits on its top line, which is left out behind the caption.
class GroupBox : public Node {
 public:
  explicit GroupBox(std::string name, GroupBoxStyle style = {});
  void SetCaption(std::wstring caption);
  void SetFont(FontSpec font);
  void Paint(Canvas& canvas) override;

 private:
  GroupBoxStyle style_;
  std::wstring caption_;
  FontSpec font_;
};

}  // namespace toolkit
