// The Wine run really has the Japanese ANSI code page.
#include <windows.h>

#include <gtest/gtest.h>

TEST(WineEnvironment, AnsiCodePageIs932) {
  EXPECT_EQ(GetACP(), 932u);
}
