#include "ui/resources.h"

namespace ui::resources {

using namespace toolkit;

namespace {
constexpr Color kCaption = 0xFFE0E0E0;
constexpr Color kEditText = 0xFFEAEAEA;
constexpr Color kSelection = 0x70F69E2D;
constexpr Color kWhite = 0xFFFFFFFF;

// The white-framed, see-through look the text boxes and combo boxes share.
template <class EditStyle>
EditStyle EditLook() {
  EditStyle style;
  style.outline = kWhite;
  style.fill = Brush::None();
  style.textColor = kEditText;
  style.selectionColor = kSelection;
  return style;
}
}  // namespace

BitmapButtonStyle btnStyleNone() {
  BitmapButtonStyle style;
  style.background = Brush::None();
  style.radius = 3;
  style.captionColor = kCaption;
  style.glyphBand = 32;
  style.edge = 2;
  style.glow = StateGlow(NodeState::MouseOver);
  return style;
}

PushButtonStyle btnSetStyleNone() {
  PushButtonStyle style;
  style.fill = 0xFFEA5600;
  style.outline = kWhite;
  style.radius = 0;
  style.captionColor = kCaption;
  style.captionInset = {5, 2, 5, 2};
  const StateCondition notPressed{NodeState::Pressed, false};
  style.fillTransitions = {
      {0xFFF2781E,
       0xFFEA5600,
       0.2,
       {{NodeState::MouseOver, true}, notPressed},
       {{NodeState::MouseOver, false}, notPressed}},
      {0xFF707070, 0xFFF2781E, 0.2, {{NodeState::Pressed, true}}, {{NodeState::Pressed, false}}},
  };
  style.glow = StateGlow(NodeState::Focused);
  return style;
}

TextBoxStyle txtBoxStyle() {
  auto style = EditLook<TextBoxStyle>();
  style.textInset = {2, 2, 23, 2};
  style.crossColor = kCaption;
  style.hoverOpacity = 0.5f;
  return style;
}

ComboBoxStyle ctbStyleNone() {
  auto style = EditLook<ComboBoxStyle>();
  style.textInset = {4, 3, 23, 3};
  style.chevronColor = kWhite;
  style.chevronSize = {10, 7};
  style.chevronBand = 15;
  style.rowHeight = 19;
  return style;
}

CheckBoxStyle CheckBox1Style1() {
  CheckBoxStyle style;
  style.boxOutline = kWhite;
  style.captionColor = kWhite;
  return style;
}

GroupBoxStyle gbStyleNone() {
  GroupBoxStyle style;
  style.frame = 0xFFE9E9E9;
  style.captionColor = kWhite;
  return style;
}

MemoStyle Memo1Style1() {
  MemoStyle style;
  style.background = 0xFF000000;
  style.outline = 0xFF202020;
  style.textColor = kEditText;
  style.selectionColor = kSelection;
  style.scrollGround = 0xFF484848;
  return style;
}

LabelStyle labelLabel2Style1() { return {0xFFE0D59C}; }

MessagePopupStyle msgSuggestStyle1() { return {-200, 0.4, 0.3}; }

ShadowEffect SuggestShadow() { return {0xFF000000, 1, 1, 45, 0.8f}; }

GlowEffect ScreenGlow() { return {0xFF000000, 0.5f, 0.6f, {}}; }

}  // namespace ui::resources
