#include "online/cookie_store.h"

#include <gtest/gtest.h>

TEST(CookieStore, RootRequestCookieAppliesToEveryPathOfItsHost) {
  CookieStore store;
  store.Add("sid=42; path=", "stats.test", "/interface.php");
  EXPECT_EQ(store.HeaderFor("stats.test", "/interface.php"), "sid=42");
  EXPECT_EQ(store.HeaderFor("STATS.test", "/other/page"), "sid=42");
  EXPECT_EQ(store.HeaderFor("other.test", "/interface.php"), "");
  EXPECT_EQ(store.HeaderFor("sub.stats.test", "/"), "");
}

TEST(CookieStore, DefaultPathIsTheRequestDirectory) {
  CookieStore store;
  store.Add("a=1", "site.test", "/bbs/wp-comments-post.php");
  EXPECT_EQ(store.HeaderFor("site.test", "/bbs/index.php"), "a=1");
  EXPECT_EQ(store.HeaderFor("site.test", "/index.php"), "");
}

TEST(CookieStore, SecureAndEmptyValuesAreKeptButNotSent) {
  CookieStore store;
  store.Add("s=1; Secure", "h.test", "/");
  store.Add("e=", "h.test", "/");
  store.Add("n=2", "h.test", "/");
  EXPECT_EQ(store.HeaderFor("h.test", "/"), "n=2");
}

TEST(CookieStore, SameNameAndPathReplacesMaxAgeZeroDeletes) {
  CookieStore store;
  store.Add("sid=1", "h.test", "/");
  store.Add("sid=2", "h.test", "/");
  EXPECT_EQ(store.HeaderFor("h.test", "/"), "sid=2");
  store.Add("sid=x; Max-Age=0", "h.test", "/");
  EXPECT_EQ(store.HeaderFor("h.test", "/"), "");
  EXPECT_EQ(store.Size(), 0u);
}

TEST(CookieStore, DomainAttributeWidensButCannotPointElsewhere) {
  CookieStore store;
  store.Add("wide=1; Domain=.example.test", "www.example.test", "/");
  store.Add("foreign=1; Domain=other.test", "www.example.test", "/");
  store.Add("sneaky=1; Domain=ample.test", "www.example.test", "/");
  EXPECT_EQ(store.HeaderFor("stats.example.test", "/"), "wide=1");
  EXPECT_EQ(store.HeaderFor("other.test", "/"), "");
}

TEST(CookieStore, SeveralCookiesMostSpecificPathFirstJoinedBySemicolon) {
  CookieStore store;
  store.Add("a=1; path=/", "h.test", "/");
  store.Add("b=2; path=/bbs", "h.test", "/");
  store.Add("c=3", "h.test", "/x");
  EXPECT_EQ(store.HeaderFor("h.test", "/bbs/post"), "b=2; a=1; c=3");
}

TEST(CookieStore, MalformedValuesAreIgnoredAndTheStoreIsBounded) {
  CookieStore store;
  store.Add("", "h.test", "/");
  store.Add("novalue", "h.test", "/");
  store.Add("=x", "h.test", "/");
  store.Add(";;;", "h.test", "/");
  EXPECT_EQ(store.Size(), 0u);
  for (int i = 0; i < 1000; ++i) store.Add("k" + std::to_string(i) + "=v", "h.test", "/");
  EXPECT_LE(store.Size(), 50u);
  store.Add("big=" + std::string(100000, 'x'), "h.test", "/");
  EXPECT_EQ(store.HeaderFor("h.test", "/").find("big="), std::string::npos);
}
