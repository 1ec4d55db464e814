#include "ui/main_form.h"

#include "ui/resources.h"

namespace ui {

using namespace toolkit;

MainForm::MainForm(Scene& scene) : scene_(scene) {
  Root1 = &scene.Root();
  Root1->SetSize({kWidth, kHeight});
  Root1->SetHitTest(false);
  BuildScreens();
  BuildHome();
  BuildRunning();
  BuildSettings();
  BuildFeedbackPopup();
  BuildRotations();
}

MainForm::~MainForm() { *alive_ = false; }

std::function<void()> MainForm::Forward(std::function<void()>& handler) {
  return [alive = alive_, &handler] {
    if (*alive && handler) handler();
  };
}

void MainForm::BuildScreens() {
  const auto addScreen = [this](const char* name, Color fill, bool glow, bool visible) {
    auto* screen = Root1->Add<RectangleNode>(name);
    screen->SetVisible(visible);
    screen->SetAlign(Align::Client, {10, 10, 10, 10});
    screen->SetFill(Brush::Solid(fill));
    screen->SetCornerRadius(5);
    screen->SetHitTest(false);
    if (glow) screen->SetGlow(resources::ScreenGlow());
    return screen;
  };
  rglMain = addScreen("rglMain", resources::kHomeFill, true, true);
  rglSet = addScreen("rglSet", resources::kHomeFill, false, false);
  rglMainLed = addScreen("rglMainLed", resources::kRunningFill, true, false);
}

void MainForm::BuildRotations() {
  FloatAnimation1 = Image4->AddFloatAnimation("RotationAngle");
  FloatAnimation1->startFromCurrent = true;
  FloatAnimation1->stopValue = 360;
  FloatAnimation1->duration = 3.5;
  FloatAnimation1->loop = true;

  FloatAnimation2 = Image2->AddFloatAnimation("RotationAngle");
  FloatAnimation2->startValue = 0;
  FloatAnimation2->stopValue = 360;
  FloatAnimation2->duration = 5;
  FloatAnimation2->curve = Curve::Quintic;
  FloatAnimation2->inverse = true;

  FloatAnimation1->Start();
  FloatAnimation2->Start();
}

void MainForm::SetRunningTexts(const std::wstring& networkName, const std::wstring& passwordLine) {
  txtSSID->SetText(networkName);
  txtPWD->SetText(passwordLine);
}

void MainForm::SetQrImage(std::shared_ptr<const Bitmap> image) {
  Qcode_img->SetBitmap(std::move(image));
}

void MainForm::LoadQrImage(const std::vector<uint8_t>& imageFile) {
  auto picture = DecodeImage(imageFile);
  if (!picture || picture->IsEmpty()) return;
  SetQrImage(std::make_shared<const Bitmap>(std::move(*picture)));
}

}  // namespace ui
