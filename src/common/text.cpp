#include "common/text.h"

namespace {

wchar_t LowerAscii(wchar_t c) { return (c >= L'A' && c <= L'Z') ? wchar_t(c + (L'a' - L'A')) : c; }

std::wstring_view FileNameOf(std::wstring_view path) {
  const size_t cut = path.find_last_of(L"\\/");
  return cut == std::wstring_view::npos ? path : path.substr(cut + 1);
}

}  // namespace

std::wstring LowerAsciiLetters(std::wstring_view text) {
  std::wstring lowered(text);
  for (wchar_t& c : lowered) c = LowerAscii(c);
  return lowered;
}

bool ContainsText(std::wstring_view part, std::wstring_view text) {
  if (part.empty()) return false;
  return LowerAsciiLetters(text).find(LowerAsciiLetters(part)) != std::wstring::npos;
}

std::wstring WebAddress(std::wstring_view address) {
  if (address.find(L"http://") != std::wstring_view::npos) return std::wstring(address);
  return L"http://" + std::wstring(address);
}

std::wstring ErrorBoxText(std::wstring_view message) {
  std::wstring text(message);
  if (!text.empty() && text.back() > L'.') text += L'.';
  return text;
}

std::wstring ApplicationTitle(std::wstring_view executablePath) {
  std::wstring_view name = FileNameOf(executablePath);
  name = name.substr(0, name.find(L'.'));
  std::wstring title(name);
  for (size_t i = 1; i < title.size(); ++i) title[i] = LowerAscii(title[i]);
  return title;
}

std::wstring CaptionOrDefault(std::wstring_view caption) {
  return caption.empty() ? std::wstring(L"Information") : std::wstring(caption);
}

std::wstring DirectoryOf(std::wstring_view path) {
  const size_t cut = path.find_last_of(L"\\/");
  return cut == std::wstring_view::npos ? std::wstring() : std::wstring(path.substr(0, cut + 1));
}
