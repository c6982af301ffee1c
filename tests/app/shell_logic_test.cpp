// Pure pieces of the shell: colour mixes, menu help ids, history texts, filter lists.
#include <gtest/gtest.h>

#include "core/palette.h"
#include "shell/file_history.h"
#include "filetypes/filter_list.h"
#include "shell/menu_help.h"

TEST(ColorMix, MeansDropTheRemainderPerChannel) {
  EXPECT_EQ(MeanColor(Rgb(255, 0, 1), Rgb(0, 255, 2)), Rgb(127, 127, 1));
  EXPECT_EQ(MeanColor(Rgb(10, 20, 30), Rgb(10, 20, 30)), Rgb(10, 20, 30));
}

TEST(ColorMix, SystemMixesFollowTheirFormulas) {
  SampledColors s{Rgb(0, 0, 0), Rgb(255, 255, 255), Rgb(128, 128, 128), Rgb(255, 255, 255), Rgb(0, 0, 128)};
  SystemColorValues v = MixSystemColors(s);
  EXPECT_EQ(v.textMix, Rgb(127, 127, 127));
  // ((0 + 255) / 2 + 255) / 2 = (127 + 255) / 2 = 191; blue ((128 + 255) / 2 + 255) / 2 = 223
  EXPECT_EQ(v.selectionMix, Rgb(191, 191, 223));
  EXPECT_EQ(v.halfHighlight, Rgb(127, 127, 191));
}

namespace {
MenuSelection Popup(unsigned position, bool maximised) {
  MenuSelection s{};
  s.item = position;
  s.isPopup = true;
  s.inMenuBar = true;
  s.maximisedChild = maximised;
  return s;
}
MenuSelection Command(unsigned id) {
  MenuSelection s{};
  s.item = id;
  return s;
}
}  // namespace

TEST(MenuHelp, PopupsOfTheMenuBarShowTheirDescription) {
  EXPECT_EQ(MenuHelpStringId(Popup(0, false)), 201);
  EXPECT_EQ(MenuHelpStringId(Popup(1, false)), 202);
  EXPECT_EQ(MenuHelpStringId(Popup(5, false)), 206);
}

TEST(MenuHelp, MaximisedChildShiftsPopupsAndItsSystemMenuShowsNothing) {
  EXPECT_EQ(MenuHelpStringId(Popup(2, true)), 202);  // 編集 is at position 2 then
  EXPECT_EQ(MenuHelpStringId(Popup(0, true)), 0);
}

TEST(MenuHelp, SubmenusInsidePopupsShowNothing) {
  MenuSelection s = Popup(4, false);
  s.inMenuBar = false;  // 基数 inside ｵﾌﾟｼｮﾝ
  EXPECT_EQ(MenuHelpStringId(s), 0);
}

TEST(MenuHelp, CommandsHistoryAndWindowEntries) {
  EXPECT_EQ(MenuHelpStringId(Command(104)), 104);
  EXPECT_EQ(MenuHelpStringId(Command(200)), 207);
  EXPECT_EQ(MenuHelpStringId(Command(208)), 207);
  EXPECT_EQ(MenuHelpStringId(Command(300)), 208);
  EXPECT_EQ(MenuHelpStringId(Command(309)), 208);
  MenuSelection closed{};
  closed.closed = true;
  closed.flags = 0xFFFF;
  EXPECT_EQ(MenuHelpStringId(closed), -1);
  MenuSelection system = Command(0xF060);
  system.isSystemMenu = true;
  EXPECT_EQ(MenuHelpStringId(system), 0);
}

TEST(FileHistoryText, EntriesCarryTheirNumberAndPath) {
  EXPECT_EQ(HistoryEntryText(0, "C:\\a b\\x.bin"), "&1 C:\\a b\\x.bin");
  EXPECT_EQ(HistoryEntryText(8, "y"), "&9 y");
  EXPECT_EQ(HistoryEntryPath("&1 C:\\a b\\x.bin"), "C:\\a b\\x.bin");
  // Entries past nine (a stored history length above 9) still give their path back.
  EXPECT_EQ(HistoryEntryPath(HistoryEntryText(11, "D:\\z")), "D:\\z");
  EXPECT_EQ(HistoryEntryPath("&1"), "");
  EXPECT_EQ(HistoryEntryPath("abc def"), "");
}

TEST(FilterList, TextsAndPatternsSeparatedByNulsWithAFinalNul) {
  FileTypeList list;
  list.types.resize(2);
  list.types[0].text = "実行可能ﾌｧｲﾙ (*.exe)";
  list.types[0].ext = "*.EXE";
  list.types[1].text = "すべてのﾌｧｲﾙ (*.*)";
  list.types[1].ext = "*.*";
  std::string expected = std::string("実行可能ﾌｧｲﾙ (*.exe)") + '\0' + "*.EXE" + '\0' + "すべてのﾌｧｲﾙ (*.*)" + '\0' +
                         "*.*" + '\0' + '\0';
  EXPECT_EQ(BuildFilterList(list), expected);
  EXPECT_EQ(BuildFilterList(FileTypeList{}), std::string(1, '\0'));
}
