// Form fields set in any order with any text, through the form body encoder. The body must
// hold only printable ASCII other than * # < > [ ] +, with "%" only before two upper-case
// hexadecimal digits and "&" only between fields; a %-group may stand only for a byte that
// cannot be written as it is; and decoding the body gives back the list's fields, each value
// as UTF-8 of its characters with U+FFFD for what is no character (a lone surrogate).
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "online/comment_form.h"
#include "online/form_fields.h"

namespace {

using Fields = std::vector<std::pair<std::wstring, std::wstring>>;

void Check(bool condition) {
  if (!condition) std::abort();
}

constexpr std::string_view kNeverUnchanged = "*#%<>[]&+";

bool MayStandAsItIs(unsigned char byte) {
  return byte >= 33 && byte <= 127 && kNeverUnchanged.find(char(byte)) == std::string_view::npos;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;  // lower case too: the encoder writes upper case only
}

// One encoded value back to its UTF-8 bytes.
std::string PercentDecode(std::string_view encoded) {
  std::string bytes;
  for (size_t i = 0; i < encoded.size(); ++i) {
    const auto c = static_cast<unsigned char>(encoded[i]);
    if (c != '%') {
      Check(MayStandAsItIs(c));
      bytes += char(c);
      continue;
    }
    Check(i + 2 < encoded.size());
    const int high = HexDigit(encoded[i + 1]), low = HexDigit(encoded[i + 2]);
    Check(high >= 0 && low >= 0);
    const auto byte = static_cast<unsigned char>(high * 16 + low);
    Check(!MayStandAsItIs(byte));
    bytes += char(byte);
    i += 2;
  }
  return bytes;
}

// Strict UTF-8 to code points: shortest forms only, no surrogates, nothing past U+10FFFF.
std::u32string DecodeUtf8(std::string_view bytes) {
  std::u32string text;
  for (size_t i = 0; i < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    const size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    Check(lead < 0x80 || (lead >= 0xC2 && lead <= 0xF4));
    Check(i + length <= bytes.size());
    char32_t c = length == 1 ? lead : lead & (0xFF >> (length + 1));
    for (size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + k]);
      Check((next & 0xC0) == 0x80);
      c = c << 6 | (next & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    Check(c >= kSmallest[length] && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF));
    text += c;
    i += length;
  }
  return text;
}

// The code points a value stands for: UTF-16 pairs joined, anything else that is no
// character as U+FFFD.
std::u32string CodePoints(std::wstring_view value) {
  std::u32string text;
  for (size_t i = 0; i < value.size(); ++i) {
    const auto c = static_cast<char32_t>(value[i]);
    const bool high = c >= 0xD800 && c <= 0xDBFF;
    const char32_t next = i + 1 < value.size() ? static_cast<char32_t>(value[i + 1]) : 0;
    if (high && next >= 0xDC00 && next <= 0xDFFF) {
      text += 0x10000 + ((c - 0xD800) << 10) + (next - 0xDC00);
      ++i;
    } else {
      text += (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF ? char32_t(0xFFFD) : c;
    }
  }
  return text;
}

// The body as the list it encodes, checking its characters on the way.
void CheckBody(const std::string& body, const Fields& expected) {
  Fields decoded;
  size_t start = 0;
  while (!body.empty() && start <= body.size()) {
    size_t end = body.find('&', start);
    if (end == std::string::npos) end = body.size();
    const std::string_view field = std::string_view(body).substr(start, end - start);
    const size_t equals = field.find('=');
    Check(equals != std::string_view::npos);
    decoded.emplace_back(std::wstring(field.begin(), field.begin() + equals), std::wstring());
    const std::u32string value = DecodeUtf8(PercentDecode(field.substr(equals + 1)));
    Check(decoded.size() <= expected.size() && value == CodePoints(expected[decoded.size() - 1].second));
    start = end + 1;
  }
  Check(decoded.size() == expected.size());
  for (size_t i = 0; i < expected.size(); ++i) Check(decoded[i].first == expected[i].first);
}

std::wstring FuzzText(FuzzedDataProvider& provider) {
  std::wstring text(provider.ConsumeIntegralInRange<size_t>(0, 24), L'\0');
  for (wchar_t& c : text) {
    switch (provider.ConsumeIntegralInRange(0, 3)) {
      case 0: c = wchar_t(provider.ConsumeIntegralInRange(0, 127)); break;
      case 1: c = wchar_t(provider.ConsumeIntegral<uint16_t>()); break;
      case 2: c = wchar_t(provider.ConsumeIntegralInRange(0xD800, 0xDFFF)); break;
      default: c = wchar_t(provider.ConsumeIntegralInRange(0, 0x110100)); break;
    }
  }
  return text;
}

std::wstring Lower(std::wstring text) {
  for (wchar_t& c : text) c = c >= L'A' && c <= L'Z' ? c + 32 : c;
  return text;
}

// Set on a list and on a plain model of its rules: replace under any letter case, remove
// with an empty value, otherwise append.
void SetBoth(FieldList& list, Fields& model, const std::wstring& name, const std::wstring& value) {
  list.Set(name, value);
  auto same = model.begin();
  while (same != model.end() && Lower(same->first) != Lower(name)) ++same;
  if (same == model.end()) {
    if (!value.empty()) model.emplace_back(name, value);
  } else if (value.empty()) {
    model.erase(same);
  } else {
    same->second = value;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::vector<std::wstring> kNames = {L"author", L"Author", L"AUTHOR", L"comment",
                                                   L"email", L"url", L"comment_post_ID",
                                                   L"COMMENT_POST_id"};
  FuzzedDataProvider provider(data, size);
  if (provider.ConsumeBool()) {
    const std::wstring name = FuzzText(provider), memo = FuzzText(provider);
    Fields expected = {{L"submit", L"发表评论"}, {L"comment_post_ID", L"2"}, {L"comment_parent", L"0"}};
    if (!name.empty()) expected.emplace_back(L"author", name == L"ZENTURA" ? L"匿名粉丝" : name);
    std::wstring joined;
    for (wchar_t c : memo) {
      if (c != L'\r' && c != L'\n' && c != L'\0') joined += c;
    }
    if (!joined.empty()) expected.emplace_back(L"comment", joined);
    CheckBody(EncodeFormBody(CommentForm(name, memo)), expected);
    return 0;
  }
  FieldList list;
  Fields model;
  while (provider.remaining_bytes() > 0) {
    const std::wstring& name = kNames[provider.ConsumeIntegralInRange<size_t>(0, kNames.size() - 1)];
    SetBoth(list, model, name, FuzzText(provider));
    Check(list.Fields() == model);
    std::wstring stored;
    for (const auto& [fieldName, value] : model) {
      if (Lower(fieldName) == Lower(name)) stored = value;
    }
    Check(list.Value(name) == stored && list.Value(Lower(name)) == stored);
  }
  CheckBody(EncodeFormBody(list), model);
  return 0;
}
