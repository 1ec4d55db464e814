#include "ui/main_form.h"

namespace ui {

using namespace toolkit;

namespace {

constexpr double kScreenFade = 0.5;
constexpr double kScreenSlide = 0.5;
constexpr double kPanelFade = 0.2;
constexpr float kSlideLeftTo = -330;
constexpr float kDropTo = 413;

// Hides `from` after it has faded or slid away, then fades `to` in from nothing.
void Reveal(Node& from, Node& to, double fadeIn, bool waitForFadeIn) {
  from.SetVisible(false);
  to.SetOpacity(0);
  to.SetVisible(true);
  if (waitForFadeIn)
    to.AnimateFloatWait("Opacity", 1, fadeIn);
  else
    to.AnimateFloat("Opacity", 1, fadeIn);
}

}  // namespace

void MainForm::ShowHomeToRunning() {
  rglMain->AnimateFloatWait("Opacity", 0, kScreenFade);
  Reveal(*rglMain, *rglMainLed, kScreenFade, false);
}

void MainForm::ShowRunningToHome() {
  rglMainLed->AnimateFloatWait("Opacity", 0, kScreenFade);
  Reveal(*rglMainLed, *rglMain, kScreenFade, true);
}

void MainForm::ShowHomeToSettings() {
  rglMain->AnimateFloatWait("Position.x", kSlideLeftTo, kScreenSlide, AnimationType::In,
                            Curve::Back);
  Reveal(*rglMain, *rglSet, kScreenFade, false);
}

void MainForm::ShowSettingsToHome() {
  rglSet->AnimateFloatWait("Position.y", kDropTo, kScreenSlide, AnimationType::In, Curve::Back);
  Reveal(*rglSet, *rglMain, kScreenFade, false);
}

void MainForm::ShowQrPanel() {
  lyShow->AnimateFloatWait("Opacity", 0, kPanelFade);
  Reveal(*lyShow, *lyQcode, kPanelFade, false);
}

void MainForm::HideQrPanel() {
  lyQcode->AnimateFloatWait("Opacity", 0, kPanelFade);
  Reveal(*lyQcode, *lyShow, kPanelFade, false);
}

void MainForm::StartSpinner() {
  FloatAnimation1->Start();
  // Only the ring changes while it turns: the window may show its frames apart.
  if (Scene* scene = Image4->GetScene()) scene->SetLiveNode(Image4);
}

void MainForm::StopSpinner() {
  FloatAnimation1->Stop();
  if (Scene* scene = Image4->GetScene()) scene->SetLiveNode(nullptr);
}

bool MainForm::SpinnerRunning() const { return FloatAnimation1->Running(); }

}  // namespace ui
