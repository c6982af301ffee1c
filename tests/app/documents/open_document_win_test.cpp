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

// Opened a, a, b (b on top): the same file twice is numbered, the same name in
// another folder shows full paths; each goes as the windows that caused it close.
TEST(OpenDocument, NumbersAndFullPathsComeAndGoWithTheOtherWindows) {
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
  CloseWindowOf(windows[0]);
  ASSERT_EQ(DocumentWindows().size(), 1u);
  EXPECT_EQ(TitleOf(windows[2]), "x.bin");
}

}  // namespace
