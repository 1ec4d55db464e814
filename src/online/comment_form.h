#pragma once

#include <string>
#include <string_view>

#include "online/form_fields.h"

inline constexpr char kCommentPath[] = "/bbs/wp-comments-post.php";

// The text with every CR, LF and NUL left out, so the memo's lines join with nothing between.
std::wstring StripLineBreaks(std::wstring_view text);

// The comment form in its field order; the default network name "ZENTURA" posts as
// the anonymous fan.
FieldList CommentForm(std::wstring_view networkName, std::wstring_view memoText);
