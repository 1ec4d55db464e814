#pragma once

#include <optional>
#include <vector>

#include "toolkit/animation.h"
#include "toolkit/brush.h"
#include "toolkit/color.h"
#include "toolkit/font.h"
#include "toolkit/geometry.h"
#include "toolkit/node.h"

namespace toolkit {

// Style data: plain values a window fills in and hands to its widgets. Defaults are the
// toolkit's built-in look.

// A colour run by a state trigger: `from` to `to` when `trigger` holds, backwards when
// `triggerInverse` holds.
struct ColorTransition {
  Color from = 0;
  Color to = 0;
  double seconds = 0.2;
  std::vector<StateCondition> trigger;
  std::vector<StateCondition> triggerInverse;
};

// Glow shown while the widget is focused or hovered.
inline GlowEffect StateGlow(NodeState state, Color color = 0xFFF69E2D, float opacity = 0.9f,
                            float softness = 0.2f) {
  return GlowEffect{color, opacity, softness, state};
}

struct BitmapButtonStyle {
  Brush background = Brush::None();
  Color outline = kTransparent;
  float radius = 3;
  Color captionColor = 0xFFE0E0E0;
  float glyphBand = 32;  // height of the glyph area when the glyph is on top
  float edge = 2;        // space kept from the edges by the caption and a glyph on top
  std::optional<GlowEffect> glow = StateGlow(NodeState::MouseOver);
};

struct PushButtonStyle {
  Color fill = 0xFFE1E1E1;
  Color outline = 0xFFADADAD;
  float radius = 0;
  Color captionColor = 0xFF000000;
  Margins captionInset{5, 2, 5, 2};
  std::vector<ColorTransition> fillTransitions;
  std::optional<GlowEffect> glow = StateGlow(NodeState::Focused);
};

struct TextBoxStyle {
  Color outline = 0xFF7A7A7A;
  Brush fill = Brush::Solid(0xFFFFFFFF);
  float radius = 0;
  Color textColor = 0xFF000000;
  Color selectionColor = 0x703399FF;
  Margins textInset{2, 2, 23, 2};
  bool clearButton = true;
  float clearButtonSize = 18;  // square at the right edge, `clearButtonInset` from it
  float clearButtonInset = 2;
  float discSize = 15;
  float crossSize = 10;
  Color crossColor = 0xFF808080;
  ColorTransition discHover{
      0x00808080, 0xAF808080, 0.1, {{NodeState::MouseOver, true}}, {{NodeState::MouseOver, false}}};
  float hoverOpacity = 0.5f;  // the clear button's opacity while the pointer is over it
  std::optional<GlowEffect> glow = StateGlow(NodeState::Focused);
};

struct ComboBoxStyle {
  Color outline = 0xFF7A7A7A;
  Brush fill = Brush::None();
  Color textColor = 0xFF000000;
  Color selectionColor = 0x703399FF;
  Margins textInset{4, 3, 23, 3};
  Color chevronColor = 0xFF000000;
  SizeF chevronSize{10, 7};
  float chevronBand = 15;
  float rowHeight = 19;
  // The drop-down list (built-in look).
  Color listBackground = 0xFFFFFFFF;
  Color listOutline = 0xFF7A7A7A;
  Color listText = 0xFF000000;
  Color listHover = 0xFFCCE8FF;
  Color listSelected = 0xFF3399FF;
  Color listSelectedText = 0xFFFFFFFF;
  std::optional<GlowEffect> glow = StateGlow(NodeState::Focused);
};

struct CheckBoxStyle {
  float boxSize = 15;
  float column = 20;
  Color boxOutline = 0xFF333333;
  float boxRadius = 2;
  float markSize = 11;
  ColorTransition mark{
      0x00F5AB28, 0xFFF5AB28, 0.1, {{NodeState::Checked, true}}, {{NodeState::Checked, false}}};
  double uncheckSeconds = 0.0001;
  Color captionColor = 0xFF000000;
  Margins captionInset{1, 2, 1, 0};
  std::optional<GlowEffect> boxGlow = StateGlow(NodeState::Focused);
};

struct GroupBoxStyle {
  Color frame = 0xFFE9E9E9;
  float radius = 3;
  Margins frameInset{2, 8, 2, 2};
  Color captionColor = 0xFF000000;
  float captionLeft = 15;  // from the frame's left edge
};

struct MemoStyle {
  Color background = 0xFFFFFFFF;
  Color outline = 0xFF7A7A7A;
  float radius = 2;
  float inset = 2;
  Color textColor = 0xFF000000;
  Color selectionColor = 0x703399FF;
  float scrollBarSize = 16;
  Color scrollGround = 0xFFF0F0F0;
  Color scrollArrow = 0xFF606060;
  Color scrollThumb = 0xFFA0A0A0;
  float gripSize = 11;
  std::optional<GlowEffect> glow = StateGlow(NodeState::Focused);
};

struct LabelStyle {
  Color textColor = 0xFFE0E0E0;
};

struct MessagePopupStyle {
  float openFrom = -200;  // content's vertical position when the opening slide starts
  double openSeconds = 0.4;
  double closeSeconds = 0.3;
};

}  // namespace toolkit
