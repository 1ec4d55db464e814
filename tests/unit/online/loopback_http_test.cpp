// Exchanges over real sockets with the recording server; built natively and for Wine.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>

#include "fakes/http/recording_server.h"
#include "fakes/http/wordpress_answers.h"
#include "online/asio_connector.h"
#include "online/comment_answer.h"
#include "online/comment_form.h"
#include "online/http_client.h"
#include "online/socket_error.h"
#include "unit/online/failure_message.h"

using namespace std::chrono_literals;
using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

constexpr char kOk[] = "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok";

std::string Url(const RecordingServer& server, std::string_view target) {
  return "http://" + server.Host() + std::string(target);
}

// A listener that never accepts by itself, its queue filled: a further connect hangs.
class FullListener {
 public:
  FullListener() {
    listener_.listen(0);
    for (int i = 0; i < 3; ++i) {
      queued_.emplace_back(context_, boost::asio::ip::tcp::v4());
      // Started at once; never completed, as this context never runs.
      queued_.back().async_connect(listener_.local_endpoint(), [](boost::system::error_code) {});
    }
  }
  uint16_t Port() const { return listener_.local_endpoint().port(); }
  // Takes what waits in the queue, which makes room for the connects still trying.
  void AcceptQueued() {
    listener_.non_blocking(true);
    boost::system::error_code error;
    while (!error) accepted_.push_back(listener_.accept(error));
  }

 private:
  boost::asio::io_context context_;
  boost::asio::ip::tcp::acceptor listener_{context_,
                                           {boost::asio::ip::make_address("127.0.0.1"), 0}};
  std::vector<boost::asio::ip::tcp::socket> queued_;
  std::vector<boost::asio::ip::tcp::socket> accepted_;
};

// A port that nothing listens on: taken from a server that has gone again.
uint16_t ClosedPort() {
  RecordingServer gone;
  return gone.Port();
}

}  // namespace

TEST(LoopbackHttp, GetAndPostBytesWithTheTokenCookieCarriedOver) {
  RecordingServer server;
  server.Answer(
      {"HTTP/1.1 200 OK\r\nSet-Cookie: sid=42; path=/\r\nContent-Length: 5\r\n\r\ntoken"});
  server.Answer({"HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n"});
  AsioConnector connector;
  HttpClient client(connector);
  EXPECT_EQ(client.Get(Url(server, "/interface.php?s=/Count/getToken.html")), "token");
  client.AddExtraHeader("Cookie", "sid=42");
  FieldList fields;
  fields.Set(L"author", L"a b&c+d");
  fields.Set(L"empty", L"");
  fields.Set(L"comment", L"发表评论");
  client.PostForm(Url(server, "/interface.php?s=/Count/sign.html"), fields);

  const std::string host = "Host: " + server.Host() + "\r\n";
  const std::vector<std::string> requests = server.Requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0], "GET /interface.php?s=/Count/getToken.html HTTP/1.1\r\n" + host +
                             "Accept: text/html, */*\r\nAccept-Encoding: identity\r\n"
                             "User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n\r\n");
  const std::string body = "author=a%20b%26c%2Bd&comment=%E5%8F%91%E8%A1%A8%E8%AF%84%E8%AE%BA";
  EXPECT_EQ(requests[1],
            "POST /interface.php?s=/Count/sign.html HTTP/1.0\r\n"
            "Connection: keep-alive\r\n"
            "Content-Type: application/x-www-form-urlencoded\r\n"
            "Content-Length: " +
                std::to_string(body.size()) +
                "\r\n"
                "Cookie: sid=42\r\n" +
                host +
                "Accept: text/html, */*\r\nAccept-Encoding: identity\r\n"
                "User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"
                "Cookie2: $Version=\"1\"\r\n\r\n" +
                body);
  EXPECT_EQ(server.Connections(), 2) << "the POST connects afresh";
}

TEST(LoopbackHttp, ChunkedAndCloseDelimitedBodies) {
  RecordingServer server;
  server.Answer(
      {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
       "4\r\nchun\r\n3\r\nked\r\n0\r\n\r\n"});
  server.Answer({"HTTP/1.1 200 OK\r\nConnection: close\r\n\r\nto the end", true});
  AsioConnector connector;
  HttpClient client(connector);
  EXPECT_EQ(client.Get(Url(server, "/a")), "chunked");
  EXPECT_EQ(client.Get(Url(server, "/b")), "to the end");
  EXPECT_EQ(server.Connections(), 1) << "the chunked answer kept the connection";
}

TEST(LoopbackHttp, AnswersThatFailAndTheOneThatDoesNot) {
  RecordingServer server;
  server.Answer({"HTTP/1.1 302 Found\r\nLocation: /elsewhere\r\nContent-Length: 0\r\n\r\n"});
  server.Answer({"HTTP/1.1 200 OK\r\nLocation: /elsewhere\r\nContent-Length: 0\r\n\r\n"});
  server.Answer({"HTTP/1.1 201 Created\r\nLocation: /new\r\nContent-Length: 3\r\n\r\nnew"});
  AsioConnector connector;
  HttpClient client(connector);
  EXPECT_EQ(FailureOf([&] { client.Get(Url(server, "/1")); }), L"HTTP/1.1 302 Found");
  EXPECT_EQ(FailureOf([&] { client.Get(Url(server, "/2")); }), L"HTTP/1.1 200 OK");
  EXPECT_EQ(client.Get(Url(server, "/3")), "new");
  EXPECT_EQ(server.Requests().size(), 3u) << "no redirect target was requested";
}

TEST(LoopbackHttp, WordPressAnswersToTheCommentReadAsTheSiteMeansThem) {
  struct Case {
    std::string answer;
    std::optional<std::wstring> refusal;
  };
  const Case cases[] = {
      {kCommentTaken, std::nullopt},
      {kCommentAwaitsModeration, std::nullopt},
      {kCommentNeedsNameAndEmail, L"Error: Please fill the required fields."},
      {kCommentFlood,
       L"HTTP/1.0 429 Too Many Requests\r\nYou are posting comments too quickly. Slow down."},
      {kCommentDuplicate,
       L"HTTP/1.0 409 Conflict\r\nDuplicate comment detected; it looks as "
       L"though you\u2019ve already said that!"},
  };
  RecordingServer server;
  for (const Case& c : cases) server.Answer({c.answer, true});
  AsioConnector connector;
  for (const Case& c : cases) {
    HttpClient client(connector);
    const HttpAnswer& answer =
        client.PostFormAnswer(Url(server, kCommentPath), CommentForm(L"ZENTURA", L"hi"));
    EXPECT_EQ(CommentRefusal(answer), c.refusal) << c.answer.substr(0, 30);
  }
}

TEST(LoopbackHttp, ServerClosingBeforeTheStatusLine) {
  RecordingServer server;  // no answer scripted: the connection is closed
  AsioConnector connector;
  HttpClient client(connector);
  EXPECT_EQ(FailureOf([&] { client.Get(Url(server, "/")); }), L"Connection Closed Gracefully.");
}

TEST(LoopbackHttp, EndlessHeadersAndBinaryGarbageFailWithAMessage) {
  RecordingServer server;
  std::string flood = "HTTP/1.1 200 OK\r\n";
  while (flood.size() < 300 * 1024) flood += "X-Filler: 0123456789abcdef\r\n";
  server.Answer({flood, true});
  server.Answer({std::string("\0\x01\xff\xfe garbage\r\n\r\n", 17), true});
  AsioConnector connector;
  HttpClient client(connector);
  const std::wstring flooded = FailureOf([&] { client.Get(Url(server, "/1")); });
  EXPECT_NE(flooded, L"(no failure)");
  EXPECT_FALSE(flooded.empty());
  const std::wstring garbled = FailureOf([&] { client.Get(Url(server, "/2")); });
  EXPECT_NE(garbled, L"(no failure)");
  EXPECT_FALSE(garbled.empty());
}

TEST(LoopbackHttp, RefusedPortAndUnknownHostAreSocketErrors) {
  AsioConnector connector;
  HttpClient client(connector);
  EXPECT_EQ(
      FailureOf([&] { client.Get("http://127.0.0.1:" + std::to_string(ClosedPort()) + "/"); }),
      L"Socket Error # 10061\r\nConnection refused.");
  EXPECT_EQ(FailureOf([&] { client.Get("http://no-such-host.invalid/"); }),
            L"Socket Error # 11001\r\nHost not found.");
}

TEST(LoopbackHttp, SilentServerFailsWithReadTimedOut) {
  RecordingServer server;
  server.Answer({"", false, true});
  WaitSettings settings;
  settings.readLimit = 600ms;
  settings.readSlice = 100ms;
  AsioConnector connector(settings);
  HttpClient client(connector);
  EXPECT_EQ(FailureOf([&] { client.Get(Url(server, "/")); }), L"Read timed out.");
}

TEST(LoopbackHttp, WaitingDispatchesMessagesAndQuittingAbandonsTheRequest) {
  RecordingServer server;
  server.Answer({kOk, false, false, 700ms});
  server.Answer({"", false, true});
  int dispatched = 0;
  bool quitting = false;
  WaitSettings settings;
  settings.readSlice = 100ms;
  settings.dispatchMessages = [&] {
    ++dispatched;
    return !quitting;
  };
  AsioConnector connector(settings);
  HttpClient client(connector);
  EXPECT_EQ(client.Get(Url(server, "/slow")), "ok");
  EXPECT_GT(dispatched, 0) << "the window handled messages while the answer was late";

  settings.dispatchMessages = [&] { return false; };
  AsioConnector quitConnector(settings);
  HttpClient quitClient(quitConnector);
  EXPECT_THROW(quitClient.Get(Url(server, "/never")), RequestAbandoned);
}

TEST(LoopbackHttp, ConnectingFromTheWindowThreadDispatchesToo) {
  // The connect hangs until the window has handled messages twice; then the queue is
  // emptied and the connect's next try gets through.
  FullListener listener;
  int dispatched = 0;
  WaitSettings settings;
  settings.dispatchMessages = [&] {
    if (++dispatched >= 2) listener.AcceptQueued();
    return true;
  };
  AsioConnector connector(settings);
  EXPECT_NE(connector.Connect("127.0.0.1", listener.Port()), nullptr);
  EXPECT_GE(dispatched, 2);
}

TEST(LoopbackHttp, ConnectingFromTheWindowThreadGivesUpAtTheLimit) {
  FullListener listener;
  int dispatched = 0;
  WaitSettings settings;
  settings.dispatchMessages = [&] { return ++dispatched, true; };
  settings.connectLimit = 500ms;
  AsioConnector connector(settings);
  HttpClient client(connector);
  const std::string url = "http://127.0.0.1:" + std::to_string(listener.Port()) + "/";
  EXPECT_EQ(FailureOf([&] { client.Get(url); }), L"Connect timed out.");
  EXPECT_GE(dispatched, 3) << "the window kept handling messages in 125 ms steps";
}
