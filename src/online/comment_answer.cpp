#include "online/comment_answer.h"

#include "online/error_page.h"
#include "online/wire_text.h"

namespace {

// WordPress sends the commenter on to the new comment: "...#comment-2".
bool RedirectsToANewComment(const HttpAnswer& answer) {
  if (answer.status != 301 && answer.status != 302 && answer.status != 303) return false;
  constexpr std::string_view kAnchor = "#comment-";
  const std::string location = answer.Header("Location");
  for (size_t at = location.find(kAnchor); at != std::string::npos;
       at = location.find(kAnchor, at + 1)) {
    const size_t digit = at + kAnchor.size();
    if (digit < location.size() && location[digit] >= '0' && location[digit] <= '9') return true;
  }
  return false;
}

}  // namespace

std::optional<std::wstring> CommentRefusal(const HttpAnswer& answer) {
  if (RedirectsToANewComment(answer)) return std::nullopt;
  const std::optional<std::wstring> reason = ErrorPageReason(answer.body);
  const std::wstring statusLine = WideFromBytes(answer.statusLine);
  const bool explained = reason && !reason->empty();
  if (IsSuccess(answer)) {
    if (!reason) return std::nullopt;
    return explained ? *reason : statusLine;
  }
  return explained ? statusLine + L"\r\n" + *reason : statusLine;
}
