#include "online/http_client.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/http/scripted_connector.h"
#include "unit/online/failure_message.h"

using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

constexpr char kOk[] = "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok";

}  // namespace

TEST(HttpClient, AnswersWhoseStatusOrLocationMakeThemFail) {
  struct Case {
    std::string answer;
    std::wstring failure;
  };
  const Case cases[] = {
      {"HTTP/1.1 302 Found\r\nLocation: http://elsewhere/\r\nContent-Length: 3\r\n\r\nabc",
       L"HTTP/1.1 302 Found"},
      {"HTTP/1.1 200 OK\r\nLocation: /x\r\nContent-Length: 0\r\n\r\n", L"HTTP/1.1 200 OK"},
      {"HTTP/1.1 304 Not Modified\r\n\r\n", L"HTTP/1.1 304 Not Modified"},
      {"HTTP/1.0 404  Not  Found\r\nContent-Length: 0\r\n\r\n", L"HTTP/1.0 404  Not  Found"},
      {"HTTP/1.1 500 Internal Server Error\r\nContent-Length: 0\r\n\r\n",
       L"HTTP/1.1 500 Internal Server Error"},
  };
  for (const Case& c : cases) {
    ScriptedConnector connector;
    connector.Add({c.answer});
    HttpClient client(connector);
    EXPECT_EQ(FailureOf([&] { client.Get("http://h.test/"); }), c.failure);
    EXPECT_EQ(connector.Attempts().size(), 1u) << "a redirect is never followed";
  }
}

TEST(HttpClient, FailureCarriesTheBodyAsDetail) {
  ScriptedConnector connector;
  connector.Add({"HTTP/1.1 403 Forbidden\r\nContent-Length: 4\r\n\r\ngone"});
  HttpClient client(connector);
  try {
    client.Get("http://h.test/");
    FAIL() << "no failure";
  } catch (const HttpStatusError& error) {
    EXPECT_EQ(error.Body(), "gone");
  }
}

TEST(HttpClient, SuccessfulAnswers) {
  struct Case {
    std::string answer;
    std::string body;
  };
  const Case cases[] = {
      {"HTTP/1.1 201 Created\r\nLocation: /new\r\nContent-Length: 3\r\n\r\nnew", "new"},
      {"HTTP/1.1 204 No Content\r\n\r\n", ""},
      {"HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok", "ok"},
      {"HTTP/1.1 102 Processing\r\n\r\nHTTP/1.1 103 Early Hints\r\nLink: </a.css>\r\n\r\n"
       "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok",
       "ok"},
      {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3\r\nabc\r\n2;x=1\r\nde\r\n0\r\n\r\n",
       "abcde"},
      {"HTTP/1.0 200 OK\r\n\r\nuntil the end", "until the end"},
  };
  for (const Case& c : cases) {
    for (size_t chunk : {size_t(1), size_t(7), size_t(1 << 20)}) {
      ScriptedConnector connector;
      connector.Add({c.answer, chunk});
      HttpClient client(connector);
      EXPECT_EQ(client.Get("http://h.test/"), c.body) << c.answer << " in pieces of " << chunk;
    }
  }
}

TEST(HttpClient, ServerClosingEarlyFailsGracefully) {
  for (const std::string answer :
       {"", "HTTP/1.1 200 OK\r\nContent-Le", "HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nshort",
        "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nab"}) {
    ScriptedConnector connector;
    connector.Add({answer});
    HttpClient client(connector);
    EXPECT_EQ(FailureOf([&] { client.Get("http://h.test/"); }), L"Connection Closed Gracefully.")
        << answer;
  }
}

TEST(HttpClient, GarbageAnswerFailsWithAMessage) {
  ScriptedConnector connector;
  connector.Add({"SSH-2.0-OpenSSH\r\n\r\n"});
  HttpClient client(connector);
  EXPECT_THAT(FailureOf([&] { client.Get("http://h.test/"); }),
              StartsWith(L"Invalid answer from the server"));
}

TEST(HttpClient, GetKeepsTheConnectionUnlessTheAnswerSaysClose) {
  ScriptedConnector connector;
  connector.Add(
      {std::string(kOk) + "HTTP/1.1 200 OK\r\nConnection: close\r\nContent-Length: 1\r\n\r\n2"});
  connector.Add({kOk});
  HttpClient client(connector);
  EXPECT_EQ(client.Get("http://h.test/a"), "ok");
  EXPECT_EQ(client.Get("http://h.test/b"), "2");
  EXPECT_EQ(client.Get("http://h.test/c"), "ok");
  ASSERT_EQ(connector.Sent().size(), 2u);
  EXPECT_THAT(connector.Sent()[0], HasSubstr("GET /a HTTP/1.1"));
  EXPECT_THAT(connector.Sent()[0], HasSubstr("GET /b HTTP/1.1"));
  EXPECT_THAT(connector.Sent()[1], StartsWith("GET /c HTTP/1.1"));
}

TEST(HttpClient, AnotherHostGetsItsOwnConnection) {
  ScriptedConnector connector;
  connector.Add({kOk});
  connector.Add({kOk});
  HttpClient client(connector);
  client.Get("http://one.test/");
  client.Get("http://two.test:81/");
  EXPECT_EQ(connector.Attempts(), (std::vector<std::string>{"one.test:80", "two.test:81"}));
}

TEST(HttpClient, PostAlwaysConnectsAfreshAndKeepsOnlyOnKeepAlive) {
  ScriptedConnector connector;
  connector.Add({kOk});  // the GET's connection, still open when the POST comes
  connector.Add({"HTTP/1.1 200 OK\r\nConnection: keep-alive\r\nContent-Length: 0\r\n\r\n" +
                 std::string(kOk)});
  connector.Add({"HTTP/1.0 200 OK\r\nContent-Length: 0\r\n\r\n"});
  connector.Add({kOk});
  HttpClient client(connector);
  FieldList fields;
  fields.Set(L"a", L"1");
  client.Get("http://h.test/");
  client.PostForm("http://h.test/p", fields);
  client.PostForm("http://h.test/p", fields);  // fresh despite keep-alive
  client.Get("http://h.test/");                // the 1.0 answer without keep-alive closed
  EXPECT_EQ(connector.Attempts().size(), 4u);
  EXPECT_THAT(connector.Sent()[1], StartsWith("POST /p HTTP/1.0\r\n"));
  EXPECT_THAT(connector.Sent()[1], HasSubstr("\r\n\r\na=1"));
}

TEST(HttpClient, CookieOfOneAnswerGoesWithTheNextRequestOfTheSameClientOnly) {
  ScriptedConnector connector;
  connector.Add(
      {"HTTP/1.1 200 OK\r\nSet-Cookie: sid=42; path=/\r\nset-cookie2: v=2\r\n"
       "Content-Length: 0\r\n\r\n" +
       std::string(kOk)});
  connector.Add({kOk});
  {
    HttpClient client(connector);
    client.Get("http://h.test/dir/a");
    EXPECT_EQ(client.AnswerHeader("SET-COOKIE"), "sid=42; path=/");
    EXPECT_EQ(client.AnswerHeader("Location"), "");
    client.Get("http://h.test/dir/b");
  }
  HttpClient fresh(connector);
  fresh.Get("http://h.test/dir/c");
  ASSERT_EQ(connector.Sent().size(), 2u);
  // "v" got the request's directory as its path, which is more specific than "/".
  EXPECT_THAT(connector.Sent()[0],
              HasSubstr("GET /dir/b HTTP/1.1\r\nHost: h.test\r\nAccept: text/html, */*\r\n"
                        "Accept-Encoding: identity\r\n"
                        "User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"
                        "Cookie: v=2; sid=42\r\nCookie2: $Version=\"1\"\r\n\r\n"));
  EXPECT_THAT(connector.Sent()[1], Not(HasSubstr("Cookie")));
}

TEST(HttpClient, ExtraHeadersGoOnEveryLaterRequestAndEmptyValuesAreNotAdded) {
  ScriptedConnector connector;
  connector.Add({std::string(kOk) + kOk});
  HttpClient client(connector);
  client.AddExtraHeader("X-Empty", "");
  client.AddExtraHeader("X-Kept", "1");
  client.Get("http://h.test/");
  client.ClearExtraHeaders();
  client.Get("http://h.test/");
  const std::string& sent = connector.Sent()[0];
  EXPECT_EQ(sent.find("X-Empty"), std::string::npos);
  EXPECT_EQ(sent.find("X-Kept: 1\r\n"), sent.rfind("X-Kept: 1\r\n")) << "cleared for the second";
  EXPECT_NE(sent.find("X-Kept: 1\r\nHost: h.test\r\n"), std::string::npos);
}

TEST(HttpClient, ConnectFailurePassesThroughAndTheClientCanTryAgain) {
  ScriptedConnector connector;
  connector.Add({"", 1, L"Socket Error # 11001\r\nHost not found."});
  connector.Add({kOk});
  HttpClient client(connector);
  EXPECT_EQ(FailureOf([&] { client.Get("http://nowhere.test/"); }),
            L"Socket Error # 11001\r\nHost not found.");
  EXPECT_EQ(client.Get("http://nowhere.test/"), "ok");
}
