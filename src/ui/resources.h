#pragma once

#include "toolkit/widgets/styles.h"

// The window's style container `Resources1`: every style its controls name.
namespace ui::resources {

toolkit::BitmapButtonStyle btnStyleNone();
toolkit::PushButtonStyle btnSetStyleNone();
toolkit::TextBoxStyle txtBoxStyle();
toolkit::ComboBoxStyle ctbStyleNone();
toolkit::CheckBoxStyle CheckBox1Style1();
toolkit::GroupBoxStyle gbStyleNone();
toolkit::MemoStyle Memo1Style1();
toolkit::LabelStyle labelLabel2Style1();
toolkit::MessagePopupStyle msgSuggestStyle1();

// The feedback popup's backdrop: #FF6A51C1 at 0.9 with its shadow.
inline constexpr toolkit::Color kSuggestFill = 0xFF6A51C1;
inline constexpr float kSuggestOpacity = 0.9f;
toolkit::ShadowEffect SuggestShadow();

// Screen fills and their glow (`GlowEffect1`, `GlowEffect2`).
inline constexpr toolkit::Color kHomeFill = 0xFFF35947;
inline constexpr toolkit::Color kRunningFill = 0xFF6A51C1;
toolkit::GlowEffect ScreenGlow();

}  // namespace ui::resources
