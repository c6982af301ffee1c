// Start-up under Wine: a bad option, the files named on the command line and new
// documents.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "core/document.h"
#include "hexview/hex_view_win.h"
#include "resources/resource_ids.h"
#include "shell/shell.h"
#include "support/shell_fixture_win.h"

namespace {

using Strings = std::vector<std::string>;

// Titles of the document windows, sorted so that z-order does not matter.
Strings SortedTitles() {
  Strings titles;
  for (HWND w : DocumentWindows()) titles.push_back(TitleOf(w));
  std::sort(titles.begin(), titles.end());
  return titles;
}

TEST(StartShell, OpensNamedFilesWithTheirBytesAndTypesAndReportsBadOnes) {
  ScratchFolder folder;
  std::string a = folder.Write("alpha.bin", std::string("\x00\x01\x02", 3));
  std::string b = folder.Write("beta.exe", "MZ");
  std::string bad = Quote(folder.Make("folder")) + " " + Quote(folder.File("missing.bin"));
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 " + Quote(a) + " " + bad + " " + Quote(b)));
  EXPECT_EQ(run.messages().texts(), Strings{"ﾌｧｲﾙをｵｰﾌﾟﾝできません"});
  // A name that does not exist yet opens as an empty document under that name.
  EXPECT_EQ(SortedTitles(), (Strings{"alpha.bin", "beta.exe", "missing.bin"}));
  // The last opened is active, with the executable file type (options 0); the first has all files' 128.
  ASSERT_NE(ActiveDocumentWindow(), nullptr);
  auto show = [](HWND w) { return TitleOf(w) + "|" + DocumentBytes(w) + "|" + std::to_string(DocumentOf(w)->options); };
  EXPECT_EQ(show(ActiveDocumentWindow()) + " " + show(DocumentWindows().back()),
            "beta.exe|MZ|0 alpha.bin|" + std::string("\x00\x01\x02", 3) + "|128");
}

// An invalid option stops with its message and no window; no new document when a
// file was named, even if it failed.
TEST(StartShell, NewDocumentsAreNumberedWithTheFirstTypesExtension) {
  {
    ShellRun bad;
    EXPECT_FALSE(bad.Start("/Q0 /N1 /K"));
    EXPECT_EQ(bad.messages().texts(), Strings{"ｵﾌﾟｼｮﾝが不正です"});
    EXPECT_EQ(bad.messages().messages()[0].icon, MessageIcon::Stop);
    EXPECT_EQ(g_shell.frame, nullptr);
  }
  ScratchFolder folder;
  {
    ShellRun failed;
    ASSERT_TRUE(failed.Start("/Q0 /N1 " + Quote(folder.Make("adir"))));
    EXPECT_EQ(failed.messages().texts(), Strings{"ﾌｧｲﾙをｵｰﾌﾟﾝできません"});
    EXPECT_TRUE(DocumentWindows().empty());
  }
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 /N1"));
  EXPECT_EQ(SortedTitles(), Strings{"新規0.EXE"});
  SendMessageA(g_shell.frame, WM_COMMAND, IDM_NEW, 0);
  EXPECT_EQ(TitleOf(ActiveDocumentWindow()), "新規1.EXE");
  Document* doc = DocumentOf(ActiveDocumentWindow());
  EXPECT_EQ(doc->untitled, 1);
  EXPECT_EQ(doc->length, 0);
  EXPECT_EQ(FileMenuTexts().size(), 11u);  // new documents stay out of the history
}

}  // namespace
