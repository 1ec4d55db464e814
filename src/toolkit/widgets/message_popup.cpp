#include "toolkit/widgets/message_popup.h"

namespace toolkit {

MessagePopup::MessagePopup(Scene& owner, SizeF size, MessagePopupStyle style)
    : owner_(owner),
      style_(style),
      content_(std::make_unique<Scene>(size, owner.Fonts(), owner.Host())) {
  body_ = content_->Root().Add<Node>("body");
  body_->SetSize(size);
  content_->onDeactivate = [this] {
    if (!staysOpen) Close(kResultEnding);
  };
  content_->onKeyPreview = [this](uint16_t key, Modifiers) {
    if (staysOpen || key != keys::kEscape) return false;
    Close(kResultEnding);
    return true;
  };
}

MessagePopup::~MessagePopup() { window_.reset(); }

void MessagePopup::Close(int modalResult) {
  if (result_ == kResultNone) result_ = modalResult;
}

int MessagePopup::PopupModal() {
  if (window_) return kResultNone;  // already open: a second opening has nothing to wait for
  result_ = kResultNone;
  owner_.SetEnabled(false);
  // The first frame already shows the opening slide's start.
  body_->SetY(style_.openFrom);
  window_ = owner_.Host().OpenPopup(*content_, placement_, true);
  if (!window_) {
    owner_.SetEnabled(true);
    return kResultEnding;
  }
  SceneHost& host = owner_.Host();
  body_->AnimateFloat("Position.y", 0, style_.openSeconds);
  while (result_ == kResultNone && !host.IsEnding()) host.WaitForMessages();
  if (result_ == kResultNone) result_ = kResultEnding;
  body_->AnimateFloatWait("Position.y", style_.openFrom, style_.closeSeconds);
  window_.reset();
  owner_.SetEnabled(true);
  return result_;
}

}  // namespace toolkit
