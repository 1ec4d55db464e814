#pragma once

#include <memory>

#include "toolkit/bitmap.h"
#include "toolkit/scene.h"
#include "toolkit/shapes.h"

namespace toolkit_demo {

// A window-sized picture like the program's running screen: a screen with a glow, a badge with a
// second glow, a turning ring, a button image over it, a tiled bar and texts.
struct DemoScene {
  toolkit::Node* screen = nullptr;
  toolkit::Node* ring = nullptr;
  toolkit::Node* button = nullptr;
  toolkit::TextNode* title = nullptr;
};

// A ring of `size` pixels with a bright dot near its top, drawn with the canvas.
std::shared_ptr<toolkit::Bitmap> RingArtwork(int size);
// A round glossy disc.
std::shared_ptr<toolkit::Bitmap> DiscArtwork(int size);

DemoScene BuildDemoScene(toolkit::Scene& scene);

}  // namespace toolkit_demo
