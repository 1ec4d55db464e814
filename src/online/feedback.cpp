#include "online/feedback.h"

#include "online/comment_form.h"
#include "online/http_client.h"
#include "online/wire_text.h"

void Feedback::btnMinutesClick() {
  if (window_.CommentTimerOn()) {
    window_.ShowInfoMessage(kFeedbackTooOften, kFeedbackCaption, kFeedbackMessageFlags);
    return;
  }
  if (window_.ShowSuggestPopup() != kSuggestOk) return;
  // The five minutes count from the confirmation, whatever the post's outcome.
  window_.SetCommentTimer(true);

  HttpClient client(connector_);
  const FieldList form = CommentForm(window_.NetworkNameText(), window_.MemoText());
  try {
    client.PostForm("http://" + siteHost_ + kCommentPath, form);
  } catch (const RequestAbandoned&) {
    // The program is quitting: nothing left to tell the user.
  }
}

void Feedback::MemoSuggestEnterFocus() {
  if (window_.MemoText() == kMemoPlaceholder) window_.SetMemoText(L"");
}

void Feedback::MemoSuggestKillFocus() {
  if (window_.MemoText().empty()) window_.SetMemoText(kMemoPlaceholder);
}

void Feedback::btnUpdateClick() {
  window_.OpenWebPage(L"http://" + WideFromBytes(siteHost_) + L"/bbs/");
}
