#include "shell/logon_task_xml.h"

#include <gtest/gtest.h>

// The whole definition is checked element by element against the fake Task Scheduler under
// Wine; here the one rule that can break a document: names are text, not markup.
TEST(LogonTaskXml, PathAndUserAreEscapedAsElementText) {
  const std::wstring xml = LogonTaskXml(L"R&D<1>\\a&b", L"C:\\R&D <x>\\Pelanto.exe");
  EXPECT_NE(xml.find(L"<UserId>R&amp;D&lt;1&gt;\\a&amp;b</UserId>"), std::wstring::npos) << xml;
  EXPECT_NE(xml.find(L"<Command>\"C:\\R&amp;D &lt;x&gt;\\Pelanto.exe\"</Command>"),
            std::wstring::npos)
      << xml;
  EXPECT_EQ(xml.find(L"R&D"), std::wstring::npos);
}
