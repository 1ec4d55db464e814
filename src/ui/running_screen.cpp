#include "ui/artwork.h"
#include "ui/form_parts.h"
#include "ui/main_form.h"
#include "ui/resources.h"

namespace ui {

using namespace toolkit;

void MainForm::BuildRunning() {
  txtSSID = AddText(*rglMainLed, "txtSSID", RectF::FromSize(69, 36, 193, 35), L"\u2026",
                    {Tahoma(21, true), 0xFFFFFFFF, TextAlign::Center, TextAlign::Center, false});
  txtPWD = AddText(*rglMainLed, "txtPWD", RectF::FromSize(65, 312, 199, 23), L"\u2026",
                   {Tahoma(13, true), 0xFFB7B7B7, TextAlign::Center, TextAlign::Center, false});
  btnClose_2 = AddCloseButton(*rglMainLed, "btnClose_2", true);
  btnClose_2->onClick = Forward(onCloseClick);
  txtCaption_2 = AddCaptionText(*rglMainLed, "txtCaption_2");

  Image5 = AddImage(*rglMainLed, "Image5", RectF::FromSize(120, 357, 90, 21), artwork::Badge());
  Image5->SetHitTest(true);
  label_Qcode = Image5->Add<Label>("label_Qcode", resources::labelLabel2Style1());
  label_Qcode->SetAlign(Align::Client);
  label_Qcode->SetStyle(
      {Tahoma(12, true), 0xFFE0D59C, TextAlign::Center, TextAlign::Center, false});
  label_Qcode->SetText(L"点击扫我");
  label_Qcode->SetHitTest(true);
  label_Qcode->SetCursor(Cursor::Hand);
  label_Qcode->onClick = Forward(onQcodeClick);

  lyShow = rglMainLed->Add<Layout>("lyShow");
  lyShow->SetBounds(0, 70, 328, 225);
  Image4 = lyShow->Add<ImageNode>("Image4");
  Image4->SetSize({193, 193});
  Image4->SetAlign(Align::Center);
  Image4->SetBitmap(artwork::SpinnerRing());
  btnStop = lyShow->Add<BitmapButton>("btnStop", resources::btnStyleNone());
  btnStop->SetSize({147, 146});
  btnStop->SetAlign(Align::Center);
  btnStop->SetGlyph(artwork::StopGlyph(), GlyphPosition::Center, SizeF{146, 146});
  btnStop->SetCursor(Cursor::Hand);
  btnStop->SetTooltip(L"点击停止WIFI共享");
  btnStop->onClick = Forward(onStopClick);
  lyShow->Realign();

  lyQcode = rglMainLed->Add<Layout>("lyQcode");
  lyQcode->SetBounds(0, 70, 328, 225);
  lyQcode->SetVisible(false);
  lyQcode->SetHitTest(true);
  lyQcode->onClick = Forward(onQcodePanelClick);
  labelLabel2 = lyQcode->Add<Label>("labelLabel2");
  labelLabel2->SetBounds(43, 4, 242, 36);
  labelLabel2->SetStyle({Tahoma(11), 0xFFE0E0E0, TextAlign::Leading, TextAlign::Center, true});
  labelLabel2->SetText(L"使用小米MIUI系统自带相机扫描，自动连接该网络");
  Qcode_img =
      AddImage(*lyQcode, "Qcode_img", RectF::FromSize(66, 50, 195, 166), artwork::NothingGlyph());
}

}  // namespace ui
