#include "online/form_fields.h"

#include <algorithm>

#include "common/text.h"
#include "online/wire_text.h"

namespace {

constexpr std::wstring_view kAlwaysEncoded = L"*#%<>[]&+";

bool WrittenUnchanged(wchar_t c) {
  return c >= 33 && c <= 127 && kAlwaysEncoded.find(c) == std::wstring_view::npos;
}

void AppendPercentGroups(std::string_view bytes, std::string& out) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  for (char b : bytes) {
    const auto byte = static_cast<unsigned char>(b);
    out += '%';
    out += kHex[byte >> 4];
    out += kHex[byte & 0xF];
  }
}

}  // namespace

void FieldList::Set(std::wstring_view name, std::wstring_view value) {
  const std::wstring key = LowerAsciiLetters(name);
  auto same = std::find_if(fields_.begin(), fields_.end(), [&](const auto& field) {
    return LowerAsciiLetters(field.first) == key;
  });
  if (value.empty()) {
    if (same != fields_.end()) fields_.erase(same);
  } else if (same != fields_.end()) {
    same->second = value;
  } else {
    fields_.emplace_back(name, value);
  }
}

std::wstring FieldList::Value(std::wstring_view name) const {
  const std::wstring key = LowerAsciiLetters(name);
  for (const auto& [fieldName, value] : fields_) {
    if (LowerAsciiLetters(fieldName) == key) return value;
  }
  return {};
}

std::string EncodeFormValue(std::wstring_view value) {
  std::string out;
  size_t i = 0;
  while (i < value.size()) {
    if (WrittenUnchanged(value[i])) {
      out += char(value[i++]);
      continue;
    }
    // A run of other characters goes through UTF-8 as a whole, so a surrogate pair stays one.
    size_t runEnd = i;
    while (runEnd < value.size() && !WrittenUnchanged(value[runEnd])) ++runEnd;
    AppendPercentGroups(Utf8FromWide(value.substr(i, runEnd - i)), out);
    i = runEnd;
  }
  return out;
}

std::string EncodeFormBody(const FieldList& fields) {
  std::string body;
  for (const auto& [name, value] : fields.Fields()) {
    if (!body.empty()) body += '&';
    body += AsciiFromWide(name);
    body += '=';
    body += EncodeFormValue(value);
  }
  return body;
}
