#pragma once

#include <optional>
#include <string>

#include "online/http_answer.h"

// What the site's answer to a comment post means, as WordPress answers it: nothing when the
// comment was taken (a 2xx, or a redirect to the new "#comment-N"), otherwise the message
// for the error box. A refusal WordPress explains on its error page says why: the page's
// reason alone inside a 2xx, after the status line and CR LF otherwise.
std::optional<std::wstring> CommentRefusal(const HttpAnswer& answer);
