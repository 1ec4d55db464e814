#include "online/comment_form.h"

std::wstring StripLineBreaks(std::wstring_view text) {
  std::wstring stripped;
  stripped.reserve(text.size());
  for (wchar_t c : text) {
    if (c != L'\r' && c != L'\n' && c != L'\0') stripped += c;
  }
  return stripped;
}

FieldList CommentForm(std::wstring_view networkName, std::wstring_view memoText) {
  FieldList fields;
  fields.Set(L"submit", L"发表评论");
  fields.Set(L"comment_post_ID", L"2");
  fields.Set(L"comment_parent", L"0");
  fields.Set(L"author", networkName == L"ZENTURA" ? std::wstring_view(L"匿名粉丝") : networkName);
  fields.Set(L"comment", StripLineBreaks(memoText));
  return fields;
}
