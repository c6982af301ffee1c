// The File menu's history: newest first, an entry opened again moves to the
// front, and the list is cut at its length.
#include <windows.h>

#include <gtest/gtest.h>

#include "core/document.h"
#include "hexview/hex_view_win.h"
#include "shell/shell.h"
#include "support/shell_fixture_win.h"

namespace {

TEST(FileHistory, NewestFirstReopenedEntriesMoveToTheFrontAndTheListIsCut) {
  ScratchFolder folder;
  std::string p[4];
  for (int i = 0; i < 4; ++i) p[i] = folder.Write("f" + std::to_string(i) + ".bin", "x");
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 /H3 " + Quote(p[0]) + " " + Quote(p[1]) + " " + Quote(p[2])));
  std::string full[3];
  for (int i = 0; i < 3; ++i) full[i] = DocumentOf(DocumentWindows()[2 - i])->path;
  auto entries = [] {
    std::vector<std::string> texts = FileMenuTexts();
    EXPECT_EQ(texts.size(), 15u);
    EXPECT_EQ(texts.at(9) + texts.at(13) + texts.at(14), "--終了(&X)\tAlt+F4");
    return std::vector<std::string>(texts.begin() + 10, texts.begin() + 13);
  };
  EXPECT_EQ(entries(), (std::vector<std::string>{"&1 " + full[2], "&2 " + full[1], "&3 " + full[0]}));
  SendMessageA(g_shell.frame, WM_COMMAND, 201, 0);  // the middle one, opened again
  EXPECT_EQ(entries(), (std::vector<std::string>{"&1 " + full[1], "&2 " + full[2], "&3 " + full[0]}));
  SendMessageA(g_shell.frame, WM_COMMAND, 202, 0);  // the oldest
  EXPECT_EQ(entries(), (std::vector<std::string>{"&1 " + full[0], "&2 " + full[1], "&3 " + full[2]}));
  // A fourth file pushes the oldest out.
  SendMessageA(g_shell.frame, WM_USER, GlobalAddAtomA(p[3].c_str()), 0);
  std::vector<std::string> last = entries();
  EXPECT_EQ(last[1] + last[2], "&2 " + full[0] + "&3 " + full[1]);
}

}  // namespace
