#include "framework/strings.h"

#include <gtest/gtest.h>

using namespace fw;

TEST(Strings, InStrAndFields) {
  EXPECT_EQ(InStr("abc", "x"), 0);
  EXPECT_EQ(InStr("abcabc", "c"), 3);
  EXPECT_EQ(InStr(4, "abcabc", "c"), 6);
  EXPECT_EQ(NthField("a,,c", ",", 2), "");
  EXPECT_EQ(NthField("a,,c", ",", 3), "c");
  EXPECT_EQ(NthField("a,,c", ",", 4), "");
}

TEST(Strings, MidLeftAtTheEnds) {
  EXPECT_EQ(Mid("hello", 1, 2), "he");
  EXPECT_EQ(Mid("hello", 5, 9), "o");
  EXPECT_EQ(Mid("hello", 6, 1), "");
  EXPECT_EQ(Mid("hello", 0, 1), "");
  EXPECT_EQ(Left("hello", 0), "");
  EXPECT_EQ(Left("hello", 99), "hello");
  EXPECT_EQ(Mid("a\xE2\x80\xA6" "b", 2, 1), "\xE2\x80\xA6");  // characters, not bytes
}

TEST(Strings, ValAndInt) {
  EXPECT_EQ(Val("12 pt."), 12);
  EXPECT_EQ(Val(""), 0);
  EXPECT_EQ(Val("-3.5x"), -3.5);
  EXPECT_EQ(Int(9.6), 9);
  EXPECT_EQ(Int(-9.6), -9);
  EXPECT_EQ(Int(1e20), 2147483647);
  EXPECT_EQ(Str(12.0), "12");
  EXPECT_EQ(Chr(13), "\r");
}
