#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "online/http_transport.h"

// Modal results of the feedback popup `msgSuggest`.
inline constexpr int kSuggestOk = 1;
inline constexpr int kSuggestCancel = 7;

inline constexpr wchar_t kMemoPlaceholder[] = L"请输入您的宝贵意见";
inline constexpr wchar_t kFeedbackEmpty[] = L"请先输入您的宝贵意见。";
inline constexpr wchar_t kFeedbackTooOften[] = L"反馈过于频繁，请5分钟后再来反馈吧(*^__^*)";
inline constexpr wchar_t kFeedbackCaption[] = L"温馨提示：";
inline constexpr uint32_t kFeedbackMessageFlags = 0x40;  // information icon
inline constexpr unsigned kCommentThrottleMs = 300000;

// What the feedback handlers need of the window.
class FeedbackWindow {
 public:
  virtual ~FeedbackWindow() = default;
  // Shows `msgSuggest` modally and returns its modal result.
  virtual int ShowSuggestPopup() = 0;
  virtual void CloseSuggestPopup(int modalResult) = 0;
  virtual std::wstring MemoText() const = 0;  // all lines with their line breaks
  virtual void SetMemoText(std::wstring_view text) = 0;
  virtual std::wstring NetworkNameText() const = 0;  // `tSSIDName`, saved or not
  // The throttle timer `tmrcomment` (interval kCommentThrottleMs).
  virtual bool CommentTimerOn() const = 0;
  virtual void SetCommentTimer(bool on) = 0;
  virtual void ShowInfoMessage(std::wstring_view text, std::wstring_view caption,
                               uint32_t flags) = 0;
  virtual void OpenWebPage(std::wstring_view address) = 0;
};

// The feedback button, its popup and memo, and the web page command. Runs on the window's
// thread; `connector` waits for the network while the window keeps handling messages.
class Feedback {
 public:
  Feedback(FeedbackWindow& window, HttpConnector& connector, std::string siteHost)
      : window_(window), connector_(connector), siteHost_(std::move(siteHost)) {}

  // A memo without a remark of the user's is not sent: a hint instead, and no throttle.
  // A failed or refused post throws AppError for the standard error box; the throttle stays on.
  void btnMinutesClick();
  void tmrcommentTimer() { window_.SetCommentTimer(false); }
  void btnSugOkClick() { window_.CloseSuggestPopup(kSuggestOk); }
  void btnSugEscClick() { window_.CloseSuggestPopup(kSuggestCancel); }
  void MemoSuggestEnterFocus();
  void MemoSuggestKillFocus();
  // For both `btnUpdate` and the tray item `NAbout`.
  void btnUpdateClick();

 private:
  FeedbackWindow& window_;
  HttpConnector& connector_;
  std::string siteHost_;
};
