#include "online/error_page.h"

#include "online/http_answer.h"
#include "online/wire_text.h"

namespace {

constexpr std::string_view kErrorPageBody = "<body id=\"error-page\">";
// The longest entity looked at, "&#x10FFFF;" or a named one.
constexpr size_t kEntityLimit = 10;

size_t FindIgnoringCase(std::string_view text, std::string_view part, size_t from = 0) {
  for (size_t at = from; at + part.size() <= text.size(); ++at) {
    if (EqualsIgnoringCase(text.substr(at, part.size()), part)) return at;
  }
  return std::string_view::npos;
}

// Where the first "<p>" or "<p ...>" tag begins, or npos.
size_t FindParagraph(std::string_view html) {
  for (size_t at = FindIgnoringCase(html, "<p"); at != std::string_view::npos;
       at = FindIgnoringCase(html, "<p", at + 2)) {
    const char next = at + 2 < html.size() ? html[at + 2] : '\0';
    if (next == '>' || next == ' ' || next == '\t' || next == '\r' || next == '\n') return at;
  }
  return std::string_view::npos;
}

// The named entities WordPress writes into its messages.
std::optional<char32_t> NamedEntity(std::wstring_view name) {
  struct Named {
    const wchar_t* name;
    char32_t c;
  };
  static const Named kNamed[] = {
      {L"amp", U'&'},         {L"lt", U'<'},          {L"gt", U'>'},
      {L"quot", U'"'},        {L"apos", U'\''},       {L"nbsp", U'\u00A0'},
      {L"laquo", U'\u00AB'},  {L"raquo", U'\u00BB'},  {L"lsaquo", U'\u2039'},
      {L"rsaquo", U'\u203A'}, {L"lsquo", U'\u2018'},  {L"rsquo", U'\u2019'},
      {L"ldquo", U'\u201C'},  {L"rdquo", U'\u201D'},  {L"sbquo", U'\u201A'},
      {L"bdquo", U'\u201E'},  {L"ndash", U'\u2013'},  {L"mdash", U'\u2014'},
      {L"hellip", U'\u2026'}, {L"middot", U'\u00B7'}, {L"bull", U'\u2022'},
      {L"copy", U'\u00A9'},   {L"reg", U'\u00AE'},    {L"trade", U'\u2122'},
      {L"times", U'\u00D7'},
  };
  for (const Named& entry : kNamed) {
    if (name == entry.name) return entry.c;
  }
  return std::nullopt;
}

// The character of "&#8217;", "&#x2019;" or "&rsquo;" (given without "&" and ";").
std::optional<char32_t> EntityCharacter(std::wstring_view entity) {
  if (entity.empty() || entity[0] != L'#') return NamedEntity(entity);
  const bool hex = entity.size() > 1 && (entity[1] == L'x' || entity[1] == L'X');
  const std::wstring_view digits = entity.substr(hex ? 2 : 1);
  if (digits.empty()) return std::nullopt;
  char32_t c = 0;
  for (wchar_t d : digits) {
    int value = -1;
    if (d >= L'0' && d <= L'9') value = d - L'0';
    if (hex && d >= L'a' && d <= L'f') value = d - L'a' + 10;
    if (hex && d >= L'A' && d <= L'F') value = d - L'A' + 10;
    if (value < 0) return std::nullopt;
    c = c * (hex ? 16 : 10) + char32_t(value);  // at most 8 digits: no overflow
  }
  return c == 0 ? U'\uFFFD' : c;  // AppendCodePoint replaces what is no character
}

bool IsBlank(char32_t c) {
  return c == U' ' || c == U'\t' || c == U'\r' || c == U'\n' || c == U'\f' || c == U'\u00A0';
}

// The first `limit` characters; a surrogate pair counts as one and is never split.
std::wstring FirstCharacters(std::wstring text, size_t limit) {
  size_t end = 0;
  for (size_t count = 0; end < text.size() && count < limit; ++count) {
    const bool pair = text[end] >= 0xD800 && text[end] <= 0xDBFF && end + 1 < text.size() &&
                      text[end + 1] >= 0xDC00 && text[end + 1] <= 0xDFFF;
    end += pair ? 2 : 1;
  }
  text.resize(end);
  while (!text.empty() && text.back() == L' ') text.pop_back();
  return text;
}

// What a reader sees of an HTML fragment: tags left out, entities decoded, each run of
// blanks one space, none at either end.
std::wstring VisibleText(std::wstring_view html) {
  std::wstring text;
  bool blankPending = false;
  // Before a visible character: the one space that stands for the blanks before it.
  auto beginVisible = [&] {
    if (blankPending) text += L' ';
    blankPending = false;
  };
  // Enough is kept for the longest reason, surrogate pairs included.
  for (size_t i = 0; i < html.size() && text.size() <= 2 * kErrorPageReasonLimit; ++i) {
    if (html[i] == L'<') {
      const size_t close = html.find(L'>', i);
      if (close == std::wstring_view::npos) break;
      i = close;
      continue;
    }
    std::optional<char32_t> entity;
    size_t end = std::wstring_view::npos;
    if (html[i] == L'&') end = html.substr(0, i + kEntityLimit + 1).find(L';', i);
    if (end != std::wstring_view::npos) entity = EntityCharacter(html.substr(i + 1, end - i - 1));
    const wchar_t unit = html[i];
    if (entity) i = end;
    if (IsBlank(entity ? *entity : char32_t(unit))) {
      blankPending = !text.empty();
      continue;
    }
    beginVisible();
    if (entity) {
      AppendCodePoint(*entity, text);
    } else {
      text += unit;  // as it stands, so a surrogate pair stays whole
    }
  }
  return text;
}

}  // namespace

std::optional<std::wstring> ErrorPageReason(std::string_view body) {
  const size_t marker = FindIgnoringCase(body, kErrorPageBody);
  if (marker == std::string_view::npos) return std::nullopt;
  std::string_view page = body.substr(marker + kErrorPageBody.size());
  page = page.substr(0, FindIgnoringCase(page, "</body"));

  std::wstring reason;
  if (const size_t paragraph = FindParagraph(page); paragraph != std::string_view::npos) {
    std::string_view inside = page.substr(paragraph);
    inside = inside.substr(0, FindIgnoringCase(inside, "</p"));
    reason = VisibleText(WideFromUtf8(inside));
  }
  if (reason.empty()) reason = VisibleText(WideFromUtf8(page));
  return FirstCharacters(std::move(reason), kErrorPageReasonLimit);
}
