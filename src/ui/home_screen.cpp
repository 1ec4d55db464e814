#include "ui/artwork.h"
#include "ui/form_parts.h"
#include "ui/main_form.h"
#include "ui/resources.h"

namespace ui {

using namespace toolkit;

namespace {

BitmapButton* AddBarButton(Node& bar, std::string name, float x, const std::wstring& caption,
                           artwork::Picture glyph) {
  auto* button = bar.Add<BitmapButton>(std::move(name), resources::btnStyleNone());
  button->SetBounds(x, 16, 86, 66);
  button->SetGlyph(std::move(glyph), GlyphPosition::Top);
  button->SetCaption(caption);
  button->SetCursor(Cursor::Hand);
  return button;
}

}  // namespace

void MainForm::BuildHome() {
  imgBottom = rglMain->Add<ImageNode>("imgBottom");
  imgBottom->SetBounds(0, 300, 328, 93);
  imgBottom->SetAlign(Align::Bottom);
  imgBottom->SetMode(ImageMode::Tile);
  imgBottom->SetBitmap(artwork::BottomBar());
  imgBottom->SetHitTest(true);

  btnUpdate = AddBarButton(*imgBottom, "btnUpdate", 11, L"升级", artwork::UpgradeGlyph());
  btnUpdate->onClick = Forward(onUpdateClick);
  btnMinutes = AddBarButton(*imgBottom, "btnMinutes", 121, L"反馈", artwork::FeedbackGlyph());
  btnMinutes->onClick = Forward(onMinutesClick);
  btnMinutes->onContextRequest = Forward(onSuggestContextRequest);
  btnSetting = AddBarButton(*imgBottom, "btnSetting", 232, L"设置", artwork::SettingsGlyph());
  btnSetting->onClick = Forward(onSettingClick);

  Image1 = AddImage(*rglMain, "Image1", RectF::FromSize(42, 31, 243, 243), artwork::HomeRing());
  Image2 = AddImage(*rglMain, "Image2", RectF::FromSize(42, 31, 243, 243), artwork::HomeArc());

  btnBegin = rglMain->Add<ImageStateButton>("btnBegin");
  btnBegin->SetBounds(89, 78, 151, 150);
  btnBegin->SetImages(artwork::StartButtonNormal(), artwork::StartButtonHot(),
                      artwork::StartButtonDown());
  btnBegin->SetHitTest(true);
  btnBegin->SetCursor(Cursor::Hand);
  btnBegin->SetTooltip(L"一键开启WIFI");
  btnBegin->onClick = Forward(onBeginClick);
  Image3 = AddImage(*btnBegin, "Image3", RectF::FromSize(46, 34, 72, 77), artwork::StartChevron());

  btnClose_1 = AddCloseButton(*rglMain, "btnClose_1", false);
  btnClose_1->onClick = Forward(onCloseClick);
  txtCaption_1 = AddCaptionText(*rglMain, "txtCaption_1");
}

}  // namespace ui
