#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The longest reason taken from an error page, in characters.
inline constexpr size_t kErrorPageReasonLimit = 300;

// The reason WordPress gives on its error page, a UTF-8 body holding `<body id="error-page">`:
// the text of the first paragraph inside that body (of the whole body when it has none), tags
// removed, entities decoded, blanks collapsed, at most kErrorPageReasonLimit characters.
// Nothing for a body that is not such a page; an empty text for a page without any.
std::optional<std::wstring> ErrorPageReason(std::string_view body);
