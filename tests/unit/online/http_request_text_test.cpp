#include "online/http_request_text.h"

#include <gtest/gtest.h>

#include "online/http_url.h"

TEST(RequestText, GetCarriesOnlyTheFixedRows) {
  RequestParts parts;
  parts.target = "/interface.php?s=/Count/getToken.html";
  parts.host = "stats.test";
  EXPECT_EQ(RequestText(parts),
            "GET /interface.php?s=/Count/getToken.html HTTP/1.1\r\n"
            "Host: stats.test\r\n"
            "Accept: text/html, */*\r\n"
            "Accept-Encoding: identity\r\n"
            "User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"
            "\r\n");
}

TEST(RequestText, PostWithExtraCookieRowReplacedInPlaceAndCookie2Last) {
  const HeaderList extra{{"X-One", "1"}, {"Cookie", "old"}, {"X-Two", "2"}};
  RequestParts parts;
  parts.post = true;
  parts.target = "/p";
  parts.host = "h.test:8080";
  parts.extraHeaders = &extra;
  parts.cookies = "sid=42";
  parts.body = "a=1";
  EXPECT_EQ(RequestText(parts),
            "POST /p HTTP/1.0\r\n"
            "Connection: keep-alive\r\n"
            "Content-Type: application/x-www-form-urlencoded\r\n"
            "Content-Length: 3\r\n"
            "X-One: 1\r\n"
            "Cookie: sid=42\r\n"
            "X-Two: 2\r\n"
            "Host: h.test:8080\r\n"
            "Accept: text/html, */*\r\n"
            "Accept-Encoding: identity\r\n"
            "User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"
            "Cookie2: $Version=\"1\"\r\n"
            "\r\n"
            "a=1");
}

TEST(RequestText, StoreCookiesWithoutExtraRowGoAfterUserAgent) {
  const HeaderList extra{{"Cookie", "kept"}};
  RequestParts parts;
  parts.target = "/";
  parts.host = "h";
  parts.cookies = "a=1; b=2";
  const std::string withStoreOnly = RequestText(parts);
  EXPECT_NE(withStoreOnly.find("User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"
                               "Cookie: a=1; b=2\r\nCookie2: $Version=\"1\"\r\n\r\n"),
            std::string::npos);
  // An extra "Cookie" row with nothing from the store goes out as added, without "Cookie2".
  parts.cookies = "";
  parts.extraHeaders = &extra;
  const std::string extraOnly = RequestText(parts);
  EXPECT_NE(extraOnly.find("Cookie: kept\r\nHost: h\r\n"), std::string::npos);
  EXPECT_EQ(extraOnly.find("Cookie2"), std::string::npos);
}

TEST(HttpUrl, SplitsHostPortTargetAndPath) {
  const HttpUrl url = ParseHttpUrl("http://127.0.0.1:18081/interface.php?s=/Count/sign.html");
  EXPECT_EQ(url.host, "127.0.0.1");
  EXPECT_EQ(url.port, 18081);
  EXPECT_EQ(url.target, "/interface.php?s=/Count/sign.html");
  EXPECT_EQ(url.path, "/interface.php");
  EXPECT_EQ(HostHeaderValue(url), "127.0.0.1:18081");

  const HttpUrl plain = ParseHttpUrl("http://www.site.test/bbs/a%20b.php");
  EXPECT_EQ(plain.port, 80);
  EXPECT_EQ(plain.target, "/bbs/a%20b.php");  // nothing re-encoded
  EXPECT_EQ(HostHeaderValue(plain), "www.site.test");
  EXPECT_EQ(ParseHttpUrl("http://h").target, "/");
  EXPECT_EQ(ParseHttpUrl("http://h?q").target, "/?q");
}

TEST(HttpUrl, RejectsWhatIsNotAPlainHttpAddress) {
  for (const char* bad : {"https://h/", "h/x", "http:///x", "http://h:/", "http://h:0/",
                          "http://h:70000/", "http://h:8x/"}) {
    EXPECT_THROW(ParseHttpUrl(bad), AppError) << bad;
  }
}
