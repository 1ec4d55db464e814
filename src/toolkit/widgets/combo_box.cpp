#include "toolkit/widgets/combo_box.h"

#include <algorithm>
#include <utility>

#include "toolkit/text_layout.h"

namespace toolkit {
namespace {

// One row of the drop-down list.
class ListRow : public RectangleNode {
 public:
  ListRow(std::string name, const ComboBoxStyle& style, bool selected)
      : RectangleNode(std::move(name)), style_(style), selected_(selected) {
    fill = Brush::Solid(selected ? style.listSelected : 0);
    SetHitTest(true);
  }
  void OnStateChanged(NodeState state) override {
    if (state != NodeState::MouseOver || selected_) return;
    SetFill(Brush::Solid(State(NodeState::MouseOver) ? style_.listHover : 0));
  }

 private:
  ComboBoxStyle style_;
  bool selected_;
};

}  // namespace

ComboBox::ComboBox(std::string name, ComboBoxStyle style)
    : RectangleNode(std::move(name)), style_(std::move(style)) {
  fill = style_.fill;
  strokeColor = style_.outline;
  SetHitTest(true);
  SetCanFocus(true);
  if (style_.glow) SetGlow(style_.glow);
}

ComboBox::~ComboBox() { CloseDropDown(); }

void ComboBox::SetItems(std::vector<std::wstring> items) {
  CloseDropDown();
  items_ = std::move(items);
  selected_ = -1;
  ContentChanged();
}

void ComboBox::SetSelectedIndex(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) index = -1;
  if (index == selected_) return;
  selected_ = index;
  ContentChanged();
}

std::wstring ComboBox::SelectedText() const {
  return selected_ >= 0 ? items_[static_cast<size_t>(selected_)] : std::wstring{};
}

void ComboBox::SetFont(FontSpec font) {
  font_ = std::move(font);
  ContentChanged();
}

void ComboBox::Choose(int index) {
  const int before = selected_;
  SetSelectedIndex(index);
  if (selected_ != before && onChange) onChange();
}

void ComboBox::Paint(Canvas& canvas) {
  RectangleNode::Paint(canvas);
  const RectF r = LocalRect();
  // Downward chevron centred in the band at the right edge.
  const float cx = r.right - style_.chevronBand / 2, cy = r.Height() / 2;
  const float w = style_.chevronSize.width, h = style_.chevronSize.height, t = 1.5f;
  Path chevron;
  chevron.AddPolygon({{cx - w / 2, cy - h / 2},
                      {cx - w / 2 + t * 1.4f, cy - h / 2},
                      {cx, cy + h / 2 - t * 1.4f},
                      {cx + w / 2 - t * 1.4f, cy - h / 2},
                      {cx + w / 2, cy - h / 2},
                      {cx, cy + h / 2}});
  canvas.FillPath(chevron, Brush::Solid(style_.chevronColor));
  FontLibrary* fonts = Fonts();
  if (fonts == nullptr || selected_ < 0) return;
  const RectF area = r.Inset(style_.textInset);
  if (State(NodeState::Focused)) canvas.FillRect(area, Brush::Solid(style_.selectionColor));
  const Bitmap text =
      RenderText(*fonts, SelectedText(),
                 {font_, style_.textColor, TextAlign::Leading, TextAlign::Center, false},
                 {area.Width(), area.Height()});
  canvas.DrawImage(text, RectF::FromSize(area.left, area.top, static_cast<float>(text.Width()),
                                         static_cast<float>(text.Height())));
}

void ComboBox::OnMouseDown(const MouseEvent&) {
  swallowClick_ = IsDropDownOpen();
  CloseDropDown();
}

void ComboBox::OnClick() {
  if (std::exchange(swallowClick_, false)) return;
  OpenDropDown();
  Node::OnClick();
}

void ComboBox::ToggleDropDown() {
  if (IsDropDownOpen()) {
    CloseDropDown();
  } else {
    OpenDropDown();
  }
}

void ComboBox::OpenDropDown() {
  Scene* owner = GetScene();
  if (owner == nullptr || popup_ || items_.empty()) return;
  retiredScenes_.clear();
  const float rowHeight = style_.rowHeight;
  const SizeF size{Width(), rowHeight * static_cast<float>(items_.size()) + 2};
  listScene_ = std::make_unique<Scene>(size, owner->Fonts(), owner->Host());
  auto& root = listScene_->Root();
  auto* frame = root.Add<RectangleNode>("list");
  frame->SetAlign(Align::Client);
  frame->SetFill(Brush::Solid(style_.listBackground));
  frame->SetStroke(style_.listOutline);
  for (size_t i = 0; i < items_.size(); ++i) {
    const bool selected = static_cast<int>(i) == selected_;
    auto* row = frame->Add<ListRow>("row" + std::to_string(i), style_, selected);
    row->SetBounds(1, 1 + rowHeight * static_cast<float>(i), size.width - 2, rowHeight);
    auto* text = row->Add<TextNode>("text");
    text->SetAlign(Align::Client, {3, 0, 3, 0});
    text->SetStyle({font_, selected ? style_.listSelectedText : style_.listText, TextAlign::Leading,
                    TextAlign::Center, false});
    text->SetText(items_[i]);
    row->onClick = [this, i] {
      Choose(static_cast<int>(i));
      CloseDropDown();
    };
  }
  listScene_->onDeactivate = [this] { CloseDropDown(); };
  const RectF own = WorldTransform().MapBounds(LocalRect());
  popup_ = owner->Host().OpenPopup(*listScene_, {own.left, own.bottom}, false);
  if (!popup_) {
    listScene_.reset();
    return;
  }
  SetState(NodeState::Open, true);
}

void ComboBox::CloseDropDown() {
  if (!popup_) return;
  // The list scene may be running this very call (a row's click): keep it alive until later.
  popup_.reset();
  SetState(NodeState::Open, false);
  retiredScenes_.push_back(std::shared_ptr<Scene>(std::move(listScene_)));
}

void ComboBox::OnKeyDown(uint16_t& key, Modifiers modifiers) {
  if ((key == keys::kDown && modifiers.alt) || key == keys::kF4 || key == keys::kSpace) {
    ToggleDropDown();
    key = 0;
  } else if (key == keys::kDown || key == keys::kUp) {
    const int last = static_cast<int>(items_.size()) - 1;
    Choose(std::clamp(selected_ + (key == keys::kDown ? 1 : -1), 0, std::max(0, last)));
    key = 0;
  } else if (key == keys::kEscape && IsDropDownOpen()) {
    CloseDropDown();
    key = 0;
  }
}

bool ComboBox::OnMouseWheel(float notches) {
  if (items_.empty()) return false;
  Choose(std::clamp(selected_ + (notches < 0 ? 1 : -1), 0, static_cast<int>(items_.size()) - 1));
  return true;
}

}  // namespace toolkit
