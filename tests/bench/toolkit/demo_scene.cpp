#include "demo_scene.h"

#include "toolkit/canvas.h"
#include "toolkit/shapes.h"

namespace toolkit_demo {

using namespace toolkit;

std::shared_ptr<Bitmap> RingArtwork(int size) {
  auto bitmap = std::make_shared<Bitmap>(size, size);
  Canvas canvas(*bitmap);
  const float s = static_cast<float>(size);
  canvas.StrokeEllipse(RectF{6, 6, s - 6, s - 6}, 3, 0xFF7FE7F5);
  Path dot;
  dot.AddEllipse(RectF::FromSize(s / 2 + s * 0.3f, s * 0.16f, 10, 10));
  canvas.FillPath(dot, Brush::Radial({s / 2 + s * 0.3f + 5, s * 0.16f + 5}, 5,
                                     {{0, 0xFFFFFFFF}, {1, 0x40FFFFFF}}));
  return bitmap;
}

std::shared_ptr<Bitmap> DiscArtwork(int size) {
  auto bitmap = std::make_shared<Bitmap>(size, size);
  Canvas canvas(*bitmap);
  const float s = static_cast<float>(size);
  Path disc;
  disc.AddEllipse(RectF{0, 0, s, s});
  canvas.FillPath(disc, Brush::Linear({0, 0}, {0, s}, {{0, 0xFFFF9A3C}, {1, 0xFFE04010}}));
  canvas.StrokeEllipse(RectF{s * 0.3f, s * 0.3f, s * 0.7f, s * 0.7f}, 4, 0xFFFFFFFF);
  return bitmap;
}

DemoScene BuildDemoScene(Scene& scene) {
  DemoScene demo;
  Node& root = scene.Root();
  auto* screen = root.Add<RectangleNode>("screen");
  screen->SetAlign(Align::Client, {10, 10, 10, 10});
  screen->SetFill(Brush::Solid(0xFF6A51C1));
  screen->SetCornerRadius(5);
  screen->SetGlow(GlowEffect{0xFF000000, 0.5f, 0.6f, {}});
  demo.screen = screen;

  auto* title = screen->Add<TextNode>("title");
  title->SetBounds(4, 1, 228, 21);
  title->SetStyle(
      {{L"Tahoma", 11, true}, 0xFFFFFFFF, TextAlign::Leading, TextAlign::Center, false});
  title->SetText(L"Pelanto");
  demo.title = title;

  auto* ssid = screen->Add<TextNode>("ssid");
  ssid->SetBounds(69, 36, 193, 35);
  ssid->SetStyle({{L"Tahoma", 21, true}, 0xFFFFFFFF, TextAlign::Center, TextAlign::Center, false});
  ssid->SetText(L"zentura 热点");

  auto* panel = screen->Add<Layout>("panel");
  panel->SetBounds(0, 70, 328, 225);
  auto* ring = panel->Add<ImageNode>("ring");
  ring->SetSize({193, 193});
  ring->SetAlign(Align::Center);
  ring->SetBitmap(RingArtwork(193));
  demo.ring = ring;
  auto* button = panel->Add<ImageNode>("button");
  button->SetSize({147, 146});
  button->SetAlign(Align::Center);
  button->SetBitmap(DiscArtwork(120));
  button->SetHitTest(true);
  demo.button = button;

  auto bar = std::make_shared<Bitmap>(109, 40, PremultipliedPixel(0x33FFFFFF));
  bar->Fill({0, 0, 109, 1}, PremultipliedPixel(0x80FFFFFF));
  bar->Fill({108, 0, 109, 40}, PremultipliedPixel(0x66FFFFFF));
  auto* strip = screen->Add<ImageNode>("bar");
  strip->SetBounds(0, 305, 328, 40);
  strip->SetMode(ImageMode::Tile);
  strip->SetBitmap(bar);

  auto* badge = screen->Add<RectangleNode>("badge");
  badge->SetBounds(120, 357, 90, 21);
  badge->SetFill(Brush::Solid(0x598C33B7));
  badge->SetCornerRadius(10);
  badge->SetGlow(GlowEffect{0xFFF69E2D, 0.9f, 0.2f, {}});
  auto* label = badge->Add<TextNode>("label");
  label->SetAlign(Align::Client);
  label->SetStyle({{L"Tahoma", 12, true}, 0xFFE0D59C, TextAlign::Center, TextAlign::Center, false});
  label->SetText(L"点击扫我");
  return demo;
}

}  // namespace toolkit_demo
