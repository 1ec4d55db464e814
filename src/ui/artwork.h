#pragma once

#include <memory>

#include "toolkit/bitmap.h"

// The window's pictures, drawn as vector art at the sizes the form places them in.
namespace ui::artwork {

using Picture = std::shared_ptr<const toolkit::Bitmap>;

// Home screen.
Picture BottomBar();          // 327 × 93 tile: translucent band, bright top line, two dividers
Picture HomeRing();           // 243 × 243 coral ring, lighter at the top
Picture HomeArc();            // 243 × 243 arc of about 230° from 12 o'clock, white to pale pink
Picture StartButtonNormal();  // 151 × 149 gloss highlight over the top third
Picture StartButtonHot();     // 151 × 149 orange glossy disc
Picture StartButtonDown();    // 151 × 149 red glossy disc
Picture StartChevron();       // 72 × 77 white chevron with an orange edge

// Glyphs.
Picture UpgradeGlyph();   // 20 × 21 up arrow
Picture FeedbackGlyph();  // 29 × 31 note pad
Picture SettingsGlyph();  // 32 × 32 gear
Picture CloseGlyph();     // 16 × 16 cross
Picture NothingGlyph();   // 1 × 1, fully transparent

// Running screen.
Picture SpinnerRing();  // 193 × 193 thin cyan ring with a glowing dot 50° clockwise from the top
Picture StopGlyph();    // 147 × 146 Wi-Fi symbol in a circle
Picture Badge();        // 90 × 21 purple pill at 35 % alpha

// The application's icon at `size` × `size`.
toolkit::Bitmap AppIcon(int size);

}  // namespace ui::artwork
