#include "online/form_fields.h"

#include <gtest/gtest.h>

TEST(FieldList, SetAppendsReplacesAnyCaseAndEmptyRemoves) {
  FieldList fields;
  fields.Set(L"uid", L"1");
  fields.Set(L"c", L"2");
  fields.Set(L"UID", L"3");  // same field, keeps its place and first name
  fields.Set(L"v", L"4");
  fields.Set(L"c", L"");
  EXPECT_EQ(EncodeFormBody(fields), "uid=3&v=4");
  EXPECT_EQ(fields.Value(L"Uid"), L"3");
  EXPECT_EQ(fields.Value(L"c"), L"");

  fields.Set(L"c", L"5");  // a removed field comes back at the end
  EXPECT_EQ(EncodeFormBody(fields), "uid=3&v=4&c=5");
}

TEST(FieldList, EmptyValueNeverAppearsAsBareName) {
  FieldList fields;
  fields.Set(L"author", L"");
  fields.Set(L"comment", L"x");
  EXPECT_EQ(EncodeFormBody(fields), "comment=x");
  EXPECT_EQ(EncodeFormBody(FieldList()), "");
}

TEST(FormEncoding, SpaceAmpersandPlusAndTheNineCharacters) {
  EXPECT_EQ(EncodeFormValue(L"a b&c+d"), "a%20b%26c%2Bd");
  EXPECT_EQ(EncodeFormValue(L"*#%<>[]&+"), "%2A%23%25%3C%3E%5B%5D%26%2B");
  // Other punctuation and DEL (127) go out unchanged.
  EXPECT_EQ(EncodeFormValue(L"!\"$'(),-./:;=?@\\^_`{|}~\x7F"), "!\"$'(),-./:;=?@\\^_`{|}~\x7F");
}

TEST(FormEncoding, ControlAndNonAsciiCharactersAsUtf8Groups) {
  EXPECT_EQ(EncodeFormValue(std::wstring(L"\0\t\r\n", 4)), "%00%09%0D%0A");
  EXPECT_EQ(EncodeFormValue(L"\x80\xE9"), "%C2%80%C3%A9");
  EXPECT_EQ(EncodeFormValue(L"匿名粉丝"), "%E5%8C%BF%E5%90%8D%E7%B2%89%E4%B8%9D");
}

TEST(FormEncoding, CharacterBeyondTheBasicPlaneIsOneCharacter) {
  // U+1F600 whether wchar_t holds it whole or as a surrogate pair.
  const std::wstring smiley = sizeof(wchar_t) == 2 ? std::wstring{wchar_t(0xD83D), wchar_t(0xDE00)}
                                                   : std::wstring{wchar_t(0x1F600)};
  EXPECT_EQ(EncodeFormValue(L"a" + smiley + L"b"), "a%F0%9F%98%80b");
  // A lone surrogate cannot be encoded as itself.
  EXPECT_EQ(EncodeFormValue(std::wstring{wchar_t(0xD800)}), "%EF%BF%BD");
}

TEST(FormEncoding, NamesAreWrittenUnchanged) {
  FieldList fields;
  fields.Set(L"comment_post_ID", L"2 3");
  fields.Set(L"a+b", L"c");
  EXPECT_EQ(EncodeFormBody(fields), "comment_post_ID=2%203&a+b=c");
}
