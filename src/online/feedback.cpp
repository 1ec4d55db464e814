#include "online/feedback.h"

#include "online/comment_answer.h"
#include "online/comment_form.h"
#include "online/http_client.h"
#include "online/wire_text.h"

namespace {

bool IsBlankOrBreak(wchar_t c) {
  return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\0' || c == L'\u3000';
}

// Whether the memo holds a remark of the user's: more than blanks and line breaks, and not
// the placeholder.
bool HoldsRemark(std::wstring_view memo) {
  size_t begin = 0;
  size_t end = memo.size();
  while (begin < end && IsBlankOrBreak(memo[begin])) ++begin;
  while (end > begin && IsBlankOrBreak(memo[end - 1])) --end;
  const std::wstring_view remark = memo.substr(begin, end - begin);
  return !remark.empty() && remark != kMemoPlaceholder;
}

}  // namespace

void Feedback::btnMinutesClick() {
  if (window_.CommentTimerOn()) {
    window_.ShowInfoMessage(kFeedbackTooOften, kFeedbackCaption, kFeedbackMessageFlags);
    return;
  }
  if (window_.ShowSuggestPopup() != kSuggestOk) return;
  const std::wstring memo = window_.MemoText();
  if (!HoldsRemark(memo)) {
    window_.ShowInfoMessage(kFeedbackEmpty, kFeedbackCaption, kFeedbackMessageFlags);
    return;
  }
  // The five minutes count from the confirmation, whatever the post's outcome.
  window_.SetCommentTimer(true);

  HttpClient client(connector_);
  const FieldList form = CommentForm(window_.NetworkNameText(), memo);
  try {
    const HttpAnswer& answer = client.PostFormAnswer("http://" + siteHost_ + kCommentPath, form);
    if (std::optional<std::wstring> refusal = CommentRefusal(answer)) {
      throw AppError(std::move(*refusal));
    }
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
