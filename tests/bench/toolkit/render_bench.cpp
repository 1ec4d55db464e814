// Frame cost of a window-sized scene: the whole frame, and a frame where only the ring turned.
#include <benchmark/benchmark.h>

#include "demo_scene.h"
#include "toolkit/headless_host.h"

namespace {

using namespace toolkit;

FontLibrary& Fonts() {
  static FontLibrary fonts(FileFontSource::Default());
  return fonts;
}

void FullFrame(benchmark::State& state) {
  HeadlessHost host({348, 413}, Fonts());
  auto demo = toolkit_demo::BuildDemoScene(host.GetScene());
  demo.ring->SetRotationAngle(30);
  host.Render();  // first frame builds the glyph, text and glow caches
  for (auto _ : state) {
    host.GetScene().RenderAll(host.Frame());
    benchmark::DoNotOptimize(host.Frame().Data());
  }
}
BENCHMARK(FullFrame)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void FullFrameCold(benchmark::State& state) {
  HeadlessHost host({348, 413}, Fonts());
  auto demo = toolkit_demo::BuildDemoScene(host.GetScene());
  host.Render();
  for (auto _ : state) {
    // A size change drops the screen's glow and its text pictures.
    demo.screen->SetSize({327, 393});
    demo.screen->SetSize({328, 393});
    demo.title->SetText(L"Pelanto ");
    demo.title->SetText(L"Pelanto");
    host.GetScene().RenderAll(host.Frame());
  }
}
BENCHMARK(FullFrameCold)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void RingTurned(benchmark::State& state) {
  HeadlessHost host({348, 413}, Fonts());
  auto demo = toolkit_demo::BuildDemoScene(host.GetScene());
  host.Render();
  float angle = 0;
  for (auto _ : state) {
    angle += 3.4f;
    demo.ring->SetRotationAngle(angle);
    benchmark::DoNotOptimize(host.Render());
  }
}
BENCHMARK(RingTurned)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
