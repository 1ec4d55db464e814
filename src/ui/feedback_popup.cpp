#include "ui/form_parts.h"
#include "ui/main_form.h"
#include "ui/resources.h"

namespace ui {

using namespace toolkit;

namespace {
constexpr SizeF kSuggestSize{328, 250};
constexpr float kSuggestTopBelowScreen = 71.5f;
}  // namespace

void MainForm::BuildFeedbackPopup() {
  msgSuggest = std::make_unique<MessagePopup>(scene_, kSuggestSize, resources::msgSuggestStyle1());
  Node& body = msgSuggest->Body();
  // The backdrop starts above the popup's top edge, where the popup's area cuts it off.
  auto* backdrop = body.Add<RectangleNode>("msgSuggestBackground");
  backdrop->SetAlign(Align::Client, {10, -10, 14, 14});
  backdrop->SetFill(Brush::Solid(resources::kSuggestFill));
  backdrop->SetOpacity(resources::kSuggestOpacity);
  backdrop->SetShadow(resources::SuggestShadow());
  body.Realign();

  MemoSuggest = body.Add<Memo>("MemoSuggest", resources::Memo1Style1());
  MemoSuggest->SetBounds(33, 44, 262, 129);
  MemoSuggest->SetFont(Tahoma(11));
  MemoSuggest->SetText(L"请输入您的宝贵意见");

  const auto addButton = [&](const char* name, float x, const wchar_t* caption, int result) {
    auto* button = body.Add<PushButton>(name, resources::btnSetStyleNone());
    button->SetBounds(x, 194, 50, 22);
    button->SetFont(Tahoma(11));
    button->SetCaption(caption);
    button->onClick = [this, result] { msgSuggest->Close(result); };
    button->onContextRequest = Forward(onSuggestContextRequest);
    return button;
  };
  btnSugEsc = addButton("btnSugEsc", 184, L"取消", kSuggestCancel);
  btnSugOk = addButton("btnSugOk", 245, L"确定", kSuggestOk);
}

int MainForm::PopupModal() {
  const PointF screen = rglMain->Position();
  msgSuggest->SetPlacement({screen.x, screen.y + kSuggestTopBelowScreen});
  return msgSuggest->PopupModal();
}

}  // namespace ui

namespace ui {

int MainForm::PopupModalFromContextRequest() {
  msgSuggest->staysOpen = false;
  return PopupModal();
}

}  // namespace ui
