// The titles OpenDocument gives: the short name, the full path when another
// window shows the same name, a number when it shows the same file.
#include <windows.h>

#include <gtest/gtest.h>

#include "core/document.h"
#include "hexview/hex_view_win.h"
#include "shell/shell.h"
#include "support/shell_fixture_win.h"

namespace {

void CloseWindowOf(HWND w) { SendMessageA(g_shell.mdiClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(w), 0); }

TEST(OpenDocument, SameNameInTwoFoldersShowsFullPathsUntilOneCloses) {
  ScratchFolder folder;
  std::string a = folder.Write("one\\data.bin", "A");
  std::string b = folder.Write("two\\data.bin", "B");
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 " + Quote(a) + " " + Quote(b)));
  ASSERT_EQ(DocumentWindows().size(), 2u);
  for (HWND w : DocumentWindows()) EXPECT_EQ(TitleOf(w), DocumentOf(w)->path);
  CloseWindowOf(DocumentWindows()[0]);
  ASSERT_EQ(DocumentWindows().size(), 1u);
  EXPECT_EQ(TitleOf(DocumentWindows()[0]), "data.bin");
}

TEST(OpenDocument, SameFileTwiceIsNumberedAndTheNumberGoesWhenOneCloses) {
  ScratchFolder folder;
  std::string a = folder.Write("same.bin", "S");
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 " + Quote(a) + " " + Quote(a)));
  std::vector<HWND> windows = DocumentWindows();
  ASSERT_EQ(windows.size(), 2u);
  std::string full = DocumentOf(windows[0])->path;
  EXPECT_EQ(TitleOf(windows[0]), full + ":1");  // the second opened is on top
  EXPECT_EQ(TitleOf(windows[1]), full + ":0");
  CloseWindowOf(windows[0]);
  EXPECT_EQ(TitleOf(windows[1]), "same.bin");
  EXPECT_EQ(DocumentOf(windows[1])->titleNumber, -1);
}

TEST(OpenDocument, TwoSamePathsAndASameNamedFileElsewhere) {
  ScratchFolder folder;
  std::string a = folder.Write("one\\x.bin", "A");
  std::string b = folder.Write("two\\x.bin", "B");
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 " + Quote(a) + " " + Quote(a) + " " + Quote(b)));
  std::vector<HWND> windows = DocumentWindows();  // b, a:1, a:0
  ASSERT_EQ(windows.size(), 3u);
  std::string fullA = DocumentOf(windows[1])->path;
  EXPECT_EQ(TitleOf(windows[1]), fullA + ":1");
  EXPECT_EQ(TitleOf(windows[2]), fullA + ":0");
  EXPECT_EQ(TitleOf(windows[0]), DocumentOf(windows[0])->path);
  CloseWindowOf(windows[1]);
  // The remaining window of a keeps its full path but loses its number.
  EXPECT_EQ(TitleOf(windows[2]), fullA);
  EXPECT_EQ(DocumentOf(windows[2])->titleNumber, -1);
}

}  // namespace
