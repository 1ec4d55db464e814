#include "online/feedback.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/app_error.h"
#include "common/text.h"
#include "fakes/http/scripted_connector.h"
#include "fakes/http/wordpress_answers.h"
#include "online/comment_form.h"

using ::testing::HasSubstr;

namespace {

constexpr char kPosted[] = "HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n";

// The window as the feedback handlers see it; the popup closes with a chosen result.
class FakeFeedbackWindow : public FeedbackWindow {
 public:
  int ShowSuggestPopup() override {
    ++popups;
    return popupResult;
  }
  void CloseSuggestPopup(int modalResult) override { closedWith = modalResult; }
  std::wstring MemoText() const override { return memo; }
  void SetMemoText(std::wstring_view text) override { memo = text; }
  std::wstring NetworkNameText() const override { return networkName; }
  bool CommentTimerOn() const override { return timerOn; }
  void SetCommentTimer(bool on) override { timerOn = on; }
  void ShowInfoMessage(std::wstring_view text, std::wstring_view caption, uint32_t flags) override {
    messages.push_back(std::wstring(text) + L"|" + std::wstring(caption) + L"|" +
                       std::to_wstring(flags));
  }
  void OpenWebPage(std::wstring_view address) override { pages.emplace_back(address); }

  int popupResult = kSuggestOk;
  int popups = 0;
  int closedWith = 0;
  std::wstring memo = kMemoPlaceholder;
  std::wstring networkName = L"ZENTURA";
  bool timerOn = false;
  std::vector<std::wstring> messages;
  std::vector<std::wstring> pages;
};

std::string Body(const std::string& request) {
  return request.substr(request.find("\r\n\r\n") + 4);
}

}  // namespace

TEST(Feedback, ConfirmedSendPostsTheFormAndThrottlesTheNextClick) {
  FakeFeedbackWindow window;
  window.memo = L"abc\r\ndef";
  ScriptedConnector connector;
  connector.Add({kPosted});
  Feedback feedback(window, connector, "site.test:8080");

  feedback.btnMinutesClick();
  EXPECT_TRUE(window.timerOn);
  ASSERT_EQ(connector.Sent().size(), 1u);
  EXPECT_THAT(connector.Sent()[0], HasSubstr("POST /bbs/wp-comments-post.php HTTP/1.0\r\n"));
  EXPECT_THAT(connector.Sent()[0], HasSubstr("Host: site.test:8080\r\n"));
  EXPECT_EQ(Body(connector.Sent()[0]),
            "submit=%E5%8F%91%E8%A1%A8%E8%AF%84%E8%AE%BA&comment_post_ID=2&comment_parent=0"
            "&author=%E5%8C%BF%E5%90%8D%E7%B2%89%E4%B8%9D&comment=abcdef");
  EXPECT_EQ(window.memo, L"abc\r\ndef") << "the memo is not cleared";

  feedback.btnMinutesClick();
  EXPECT_EQ(window.popups, 1) << "no popup while throttled";
  ASSERT_EQ(window.messages.size(), 1u);
  EXPECT_EQ(window.messages[0], L"反馈过于频繁，请5分钟后再来反馈吧(*^__^*)|温馨提示：|64");
  EXPECT_EQ(connector.Sent().size(), 1u);

  feedback.tmrcommentTimer();
  EXPECT_FALSE(window.timerOn);
}

TEST(Feedback, CancelSendsNothingAndDoesNotThrottle) {
  FakeFeedbackWindow window;
  window.popupResult = kSuggestCancel;
  ScriptedConnector connector;
  Feedback feedback(window, connector, "site.test");
  feedback.btnMinutesClick();
  feedback.btnMinutesClick();
  EXPECT_EQ(window.popups, 2);
  EXPECT_FALSE(window.timerOn);
  EXPECT_TRUE(connector.Attempts().empty());
  EXPECT_TRUE(window.messages.empty());
}

TEST(Feedback, RefusalsReachTheErrorBoxAndTheThrottleStaysOn) {
  struct Case {
    std::string answer;
    std::wstring box;  // empty: no box
  };
  const Case cases[] = {
      {"HTTP/1.1 302 Found\r\nLocation: /bbs/?p=2\r\nContent-Length: 0\r\n\r\n",
       L"HTTP/1.1 302 Found."},
      {kCommentNeedsNameAndEmail, L"Error: Please fill the required fields."},
      {kCommentTaken, L""},
  };
  for (const Case& c : cases) {
    FakeFeedbackWindow window;
    window.memo = L"hi";
    ScriptedConnector connector;
    connector.Add({c.answer});
    Feedback feedback(window, connector, "site.test");
    std::wstring box;
    try {
      feedback.btnMinutesClick();
    } catch (const AppError& error) {
      box = ErrorBoxText(error.Message());
    }
    EXPECT_EQ(box, c.box);
    EXPECT_TRUE(window.timerOn);
    EXPECT_EQ(connector.Attempts().size(), 1u);
  }
}

TEST(Feedback, MemoWithoutARemarkSendsNothingAndShowsTheHint) {
  for (const std::wstring& memo :
       {std::wstring(kMemoPlaceholder), std::wstring(), std::wstring(L" \r\n\t\u3000\r\n"),
        std::wstring(L"\r\n请输入您的宝贵意见 ")}) {
    FakeFeedbackWindow window;
    window.memo = memo;
    ScriptedConnector connector;
    Feedback feedback(window, connector, "site.test");
    feedback.btnMinutesClick();
    EXPECT_TRUE(connector.Attempts().empty());
    EXPECT_FALSE(window.timerOn);
    EXPECT_EQ(window.messages, std::vector<std::wstring>{L"请先输入您的宝贵意见。|温馨提示：|64"});
    EXPECT_EQ(window.memo, memo);
  }
}

TEST(Feedback, AuthorRule) {
  EXPECT_EQ(CommentForm(L"ZENTURA", L"x").Value(L"author"), L"匿名粉丝");
  EXPECT_EQ(CommentForm(L"zentura", L"x").Value(L"author"), L"zentura");
  EXPECT_EQ(CommentForm(L"ZENTURA ", L"x").Value(L"author"), L"ZENTURA ");
  EXPECT_EQ(EncodeFormBody(CommentForm(L"", L"")),
            "submit=%E5%8F%91%E8%A1%A8%E8%AF%84%E8%AE%BA&comment_post_ID=2&comment_parent=0");
}

TEST(Feedback, StripLineBreaksDropsCrLfAndNulOnly) {
  EXPECT_EQ(StripLineBreaks(std::wstring(L"a\r\nb\nc\rd\0e\t f", 13)), L"abcde\t f");
  EXPECT_EQ(StripLineBreaks(L"\r\n\r\n"), L"");
}

TEST(Feedback, MemoPlaceholderComesAndGoesWithFocus) {
  FakeFeedbackWindow window;
  ScriptedConnector connector;
  Feedback feedback(window, connector, "site.test");
  feedback.MemoSuggestEnterFocus();
  EXPECT_EQ(window.memo, L"");
  feedback.MemoSuggestKillFocus();
  EXPECT_EQ(window.memo, kMemoPlaceholder);
  window.memo = L"mine";
  feedback.MemoSuggestEnterFocus();
  feedback.MemoSuggestKillFocus();
  EXPECT_EQ(window.memo, L"mine");
}

TEST(Feedback, PopupButtonsCloseWithTheirResults) {
  FakeFeedbackWindow window;
  ScriptedConnector connector;
  Feedback feedback(window, connector, "site.test");
  feedback.btnSugOkClick();
  EXPECT_EQ(window.closedWith, 1);
  feedback.btnSugEscClick();
  EXPECT_EQ(window.closedWith, 7);
}

TEST(Feedback, UpdateOpensTheBbsPageOfTheSite) {
  FakeFeedbackWindow window;
  ScriptedConnector connector;
  Feedback feedback(window, connector, "www.site.test");
  feedback.btnUpdateClick();
  EXPECT_EQ(window.pages, std::vector<std::wstring>{L"http://www.site.test/bbs/"});
}

TEST(Feedback, QuittingDuringThePostEndsTheClickQuietly) {
  struct QuittingConnector : HttpConnector {
    std::unique_ptr<HttpConnection> Connect(const std::string&, uint16_t) override {
      throw RequestAbandoned();
    }
  } connector;
  FakeFeedbackWindow window;
  window.memo = L"hi";
  Feedback feedback(window, connector, "site.test");
  EXPECT_NO_THROW(feedback.btnMinutesClick());
  EXPECT_TRUE(window.timerOn);
}
