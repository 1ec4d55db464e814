#include "online/comment_answer.h"

#include <gtest/gtest.h>

#include "online/error_page.h"

namespace {

constexpr char kPageStart[] = "<html><body id=\"error-page\">";

HttpAnswer Answer(int status, std::string statusLine, std::string location, std::string body) {
  HttpAnswer answer;
  answer.status = status;
  answer.statusLine = std::move(statusLine);
  if (!location.empty()) answer.headers.emplace_back("Location", std::move(location));
  answer.body = std::move(body);
  return answer;
}

}  // namespace

TEST(ErrorPage, ReasonIsTheFirstParagraphsVisibleText) {
  struct Case {
    std::string page;
    std::wstring reason;
  };
  const Case cases[] = {
      {"<p><strong>Error:</strong> Please fill the required fields.</p><p>&laquo; Back</p>",
       L"Error: Please fill the required fields."},
      {"<div><p class='x'>\n  it&#8217;s &amp; &lt;b&gt; &quot;q&quot;&nbsp;&hellip; &#x4E2D;"
       "&bogus; &#;\t\r\n</p>",
       L"it\u2019s & <b> \"q\" \u2026 \u4E2D&bogus; &#;"},
      // A Chinese site keeps its language; UTF-8 comes through whole, bad bytes as U+FFFD.
      {"<P><strong>\xE9\x94\x99\xE8\xAF\xAF\xEF\xBC\x9A</strong>\xE8\xAF\xB7 \xFF</P>",
       L"\u9519\u8BEF\uFF1A\u8BF7 \uFFFD"},
      // No paragraph (wp_die given plain text): the whole body; <pre> is no paragraph.
      {"<div class=\"wp-die-message\">You are posting <pre>too</pre> quickly.</div></body>"
       "<p>after the body</p>",
       L"You are posting too quickly."},
      {"<p></p> <p>x</p>", L"x"},  // an empty first paragraph says nothing: the body's text
      {"<p>   </p>", L""},
      {"<p>unclosed <a href=", L"unclosed"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ErrorPageReason(kPageStart + c.page), c.reason) << c.page;
  }
  EXPECT_EQ(ErrorPageReason("<html><body><p>an ordinary page</p></body>"), std::nullopt);
  EXPECT_EQ(ErrorPageReason(""), std::nullopt);
}

TEST(ErrorPage, ReasonIsCutAtThreeHundredCharacters) {
  std::string page = kPageStart + std::string("<p>");
  for (int i = 0; i < 200; ++i) page += "\xE4\xB8\xAD \xF0\x9F\x98\x80";  // 中, blank, emoji
  std::wstring expected;
  for (int i = 0; i < 100; ++i) expected += L"中 \U0001F600";
  EXPECT_EQ(ErrorPageReason(page), expected) << "300 characters, a surrogate pair counting one";
}

TEST(CommentAnswer, OnlyARedirectToANewCommentIsTaken) {
  const std::string ok = "HTTP/1.1 200 OK";
  const std::wstring okMessage = L"HTTP/1.1 200 OK";
  EXPECT_EQ(CommentRefusal(Answer(303, "HTTP/1.1 303 See Other", "/?p=2#comment-17", "")),
            std::nullopt);
  EXPECT_EQ(CommentRefusal(Answer(301, "HTTP/1.1 301 Moved", "/x#comment-#comment-4", "")),
            std::nullopt);
  EXPECT_EQ(CommentRefusal(Answer(302, "HTTP/1.1 302 Found", "/bbs/?p=2", "")),
            L"HTTP/1.1 302 Found");
  EXPECT_EQ(CommentRefusal(Answer(302, "HTTP/1.1 302 Found", "/bbs/#comment-", "")),
            L"HTTP/1.1 302 Found");
  EXPECT_EQ(CommentRefusal(Answer(307, "HTTP/1.1 307 Temporary", "/#comment-2", "")),
            L"HTTP/1.1 307 Temporary");
  EXPECT_EQ(CommentRefusal(Answer(200, ok, "/#comment-2", "")), okMessage) << "2xx with Location";
  // A plain 2xx is taken; an error page without any text still refuses.
  EXPECT_EQ(CommentRefusal(Answer(200, ok, "", "<html>thanks</html>")), std::nullopt);
  EXPECT_EQ(CommentRefusal(Answer(200, ok, "", std::string(kPageStart) + "<p> </p>")), okMessage);
  EXPECT_EQ(CommentRefusal(Answer(500, "HTTP/1.1 500 Oops", "", "no page")), L"HTTP/1.1 500 Oops");
}
