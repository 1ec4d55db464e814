#include "toolkit/widgets/text_editor.h"

#include <gtest/gtest.h>

#include "test_support.h"
#include "toolkit/headless_host.h"

namespace {

using namespace toolkit;

class TextEditorTest : public ::testing::Test {
 protected:
  HeadlessHost host{{10, 10}, TestFonts()};  // its clipboard
};

TEST_F(TextEditorTest, InsertReplacesTheSelectionAndOneLineDropsLineBreaks) {
  TextEditor e;
  e.SetText(L"hello world");
  EXPECT_EQ(e.Caret(), 11u);
  e.MoveTo(0, false);
  e.MoveTo(5, true);
  EXPECT_EQ(e.SelectedText(), L"hello");
  e.Insert(L"bye\r\nnow");
  EXPECT_EQ(e.Text(), L"byenow world");
  EXPECT_EQ(e.Caret(), 6u);
  EXPECT_FALSE(e.HasSelection());
  e.MoveTo(99, false);
  EXPECT_EQ(e.Caret(), e.Text().size());
}

TEST_F(TextEditorTest, DeletionAtTheEdgesChangesNothing) {
  TextEditor e;
  e.SetText(L"ab");
  e.Delete();
  EXPECT_EQ(e.Text(), L"ab");
  e.MoveTo(0, false);
  e.Backspace();
  EXPECT_EQ(e.Text(), L"ab");
  e.Delete();
  EXPECT_EQ(e.Text(), L"b");
}

TEST_F(TextEditorTest, MultiLineKeepsBreaksAndHomeEndStayOnTheLine) {
  TextEditor e(true);
  e.SetText(L"one\ntwo\nthree");
  e.MoveTo(5, false);  // inside "two"
  EXPECT_TRUE(e.HandleKey(keys::kHome, {}, host));
  EXPECT_EQ(e.Caret(), 4u);
  EXPECT_TRUE(e.HandleKey(keys::kEnd, {true}, host));
  EXPECT_EQ(e.SelectedText(), L"two");
  EXPECT_TRUE(e.HandleKey(keys::kEnd, {false, true}, host));
  EXPECT_EQ(e.Caret(), e.Text().size());
  e.Insert(L"\r\nfour");
  EXPECT_EQ(e.Text(), L"one\ntwo\nthree\nfour");
}

TEST_F(TextEditorTest, ArrowsCollapseASelectionToItsEdge) {
  TextEditor e;
  e.SetText(L"abcdef");
  e.MoveTo(2, false);
  e.MoveTo(4, true);
  e.HandleKey(keys::kLeft, {}, host);
  EXPECT_EQ(e.Caret(), 2u);
  EXPECT_FALSE(e.HasSelection());
  e.MoveTo(4, true);
  e.HandleKey(keys::kRight, {}, host);
  EXPECT_EQ(e.Caret(), 4u);
  EXPECT_FALSE(e.HandleKey('Q', {}, host));
  EXPECT_FALSE(e.HandleKey('Q', {false, true}, host));
}

}  // namespace
