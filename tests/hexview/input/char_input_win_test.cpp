// Typing into a real document window: digits with bit groups, insert and
// overwrite, characters in both character areas, Delete and Backspace, undo
// and redo, all through WM_KEYDOWN, WM_CHAR and WM_COMMAND.
#include <windows.h>

#include <gtest/gtest.h>

#include "hexview/input/char_input_win.h"
#include "hexview/view_state_win.h"
#include "hexview/input_helpers_win.h"
#include "resources/resource_ids.h"

using namespace input;

namespace {

TEST(HexTyping, FourThenOneInsertsOneByteWithTwoUndoSteps) {
  ScratchFolder folder;
  ShellRun run;
  HWND view = OpenView(run, folder, "XYZ", 0, kEntryInsert);
  ASSERT_NE(view, nullptr);
  Document* doc = DocumentOf(view);
  ASSERT_FALSE(MenuItemEnabled(IDM_UNDO));

  Char(view, '4');
  EXPECT_EQ(DocumentBytes(view), "\x40XYZ");
  EXPECT_EQ(doc->caret, 0);
  EXPECT_EQ(doc->digitIndex, 1);
  EXPECT_EQ(g_view.entryMode, kEntryDigit);
  EXPECT_TRUE(MenuItemEnabled(IDM_UNDO));
  EXPECT_EQ(StatusText(), "ｱﾄﾞﾚｽ=00000000,WORD=5840,DWORD=5A595840");

  Char(view, '1');  // overwrites the low nibble instead of inserting
  EXPECT_EQ(DocumentBytes(view), "AXYZ");
  EXPECT_EQ(doc->caret, 1);
  EXPECT_EQ(doc->digitIndex, 0);
  EXPECT_EQ(g_view.entryMode, kEntryInsert);
  EXPECT_EQ(UndoSteps(doc), 2);
  EXPECT_EQ(doc->modified, 1);

  Command(IDM_UNDO);
  EXPECT_EQ(DocumentBytes(view), "\x40XYZ");
  EXPECT_TRUE(MenuItemEnabled(IDM_REDO));
  Command(IDM_UNDO);
  EXPECT_EQ(DocumentBytes(view), "XYZ");
  EXPECT_EQ(doc->caret, 0);
  EXPECT_FALSE(MenuItemEnabled(IDM_UNDO));
  Command(IDM_REDO);
  Command(IDM_REDO);
  EXPECT_EQ(DocumentBytes(view), "AXYZ");
  EXPECT_TRUE(run.messages().texts().empty());
}

// Why: the refused digit used to switch digit entry on before its edit and not
// back, so the next digit silently overwrote a byte (0x50 became 0x70).
TEST(HexTyping, ADigitRefusedAtTheSizeLimitChangesNothing) {
  ScratchFolder folder;
  ShellRun run;
  HWND view = OpenView(run, folder, "PQ", 0, kEntryInsert);
  Document* doc = DocumentOf(view);
  // The size check comes before any byte is touched, so a document that claims
  // the largest size stands in for one that holds it.
  const int32_t realLength = doc->length;
  doc->length = INT32_MAX;
  Char(view, '6');
  Char(view, '7');
  doc->length = realLength;
  EXPECT_EQ(run.messages().texts(), (std::vector<std::string>{"ﾒﾓﾘを確保できません。", "ﾒﾓﾘを確保できません。"}));
  EXPECT_EQ(DocumentBytes(view), "PQ");
  EXPECT_EQ(doc->caret, 0);
  EXPECT_EQ(doc->anchor, -1);
  EXPECT_EQ(doc->digitIndex, 0);
  EXPECT_EQ(g_view.entryMode, kEntryInsert);
  EXPECT_EQ(UndoSteps(doc), 0);
  EXPECT_EQ(doc->modified, 0);
}

TEST(HexTyping, OverwriteReplacesNibblesAndInsertsAtTheEnd) {
  ScratchFolder folder;
  ShellRun run;
  HWND view = OpenView(run, folder, "\x12\x34", 0, kEntryOverwrite);
  Document* doc = DocumentOf(view);
  for (char c : std::string("abF")) Char(view, static_cast<unsigned char>(c));
  // a, b over 12; F over the high nibble of 34.
  EXPECT_EQ(DocumentBytes(view), "\xAB\xF4");
  EXPECT_EQ(doc->caret, 1);
  EXPECT_EQ(doc->digitIndex, 1);
  Key(view, VK_END, true);
  Char(view, '7');  // nothing to overwrite at the end of data: a new byte
  EXPECT_EQ(DocumentBytes(view), "\xAB\xF4\x70");
  EXPECT_EQ(doc->caret, 2);
  EXPECT_EQ(doc->digitIndex, 1);
  EXPECT_EQ(g_view.entryMode, kEntryOverwrite);
  Char(view, '9');
  EXPECT_EQ(DocumentBytes(view), "\xAB\xF4\x79");
  EXPECT_EQ(doc->caret, 3);
  Char(view, 'g');  // not a digit
  Char(view, ' ');
  EXPECT_EQ(DocumentBytes(view), "\xAB\xF4\x79");
}

TEST(HexTyping, BinaryDigits) {
  ScratchFolder folder;
  ShellRun run;
  HWND view = OpenView(run, folder, "", 2 /* binary data */, kEntryInsert);
  Document* doc = DocumentOf(view);
  Char(view, '7');
  EXPECT_EQ(DocumentBytes(view), "");
  Char(view, '1');
  EXPECT_EQ(DocumentBytes(view), "\x80");
  EXPECT_EQ(doc->digitIndex, 1);
  for (char c : std::string("0000001")) Char(view, static_cast<unsigned char>(c));
  EXPECT_EQ(DocumentBytes(view), "\x81");
  EXPECT_EQ(doc->caret, 1);
  EXPECT_EQ(g_view.entryMode, kEntryInsert);
  EXPECT_EQ(UndoSteps(doc), 8);
}

TEST(HexTyping, OctalAndDecimalDigitsWriteNothingWithoutTheDialog) {
  ScratchFolder folder;
  ShellRun run;
  HWND view = OpenView(run, folder, "ab", 1 /* octal */, kEntryInsert);
  DialogDriver dialogs;  // cancels the radix input dialog
  Char(view, '7');
  EXPECT_EQ(dialogs.dialogsSeen(), 1);
  Char(view, '8');  // no octal digit: no dialog
  EXPECT_EQ(dialogs.dialogsSeen(), 1);
  EXPECT_EQ(DocumentBytes(view), "ab");
}

TEST(CharTyping, BothAreasInsertAndOverwrite) {
  ScratchFolder folder;
  ShellRun run;
  HWND view = OpenView(run, folder, "0123", 0, kEntryOverwrite);
  Document* doc = DocumentOf(view);
  Key(view, VK_TAB);
  EXPECT_EQ(doc->activeColumn, 1);
  Char(view, 'A');
  Char(view, 'B');
  EXPECT_EQ(DocumentBytes(view), "AB23");
  Key(view, VK_TAB);  // UTF-16 area, same byte
  EXPECT_EQ(doc->activeColumn, 2);
  EXPECT_EQ(doc->caret, 2);
  Char(view, 'C');  // two bytes over "23"
  EXPECT_EQ(DocumentBytes(view), std::string("ABC\0", 4));
  Char(view, 'D');  // at the end of data: inserted
  EXPECT_EQ(DocumentBytes(view), std::string("ABC\0D\0", 6));
  Key(view, VK_INSERT);
  EXPECT_EQ(g_view.entryMode, kEntryInsert);
  Key(view, VK_HOME, true);
  Char(view, 0x3042);  // あ as one UTF-16 unit
  EXPECT_EQ(DocumentBytes(view), std::string("\x42\x30" "ABC\0D\0", 8));
  EXPECT_EQ(doc->caret, 2);
}

TEST(CharTyping, ShiftJisCharacterAsTwoMessages) {
  ScratchFolder folder;
  ShellRun run;
  HWND view = OpenView(run, folder, "xyz", 0, kEntryOverwrite);
  Document* doc = DocumentOf(view);
  Key(view, VK_TAB);
  // Through the window: an ANSI sender's pair reaches the window as the system delivers it.
  TypeAnsi(view, "\x82\xA0");
  EXPECT_EQ(DocumentBytes(view), "\x82\xA0z");
  EXPECT_EQ(doc->caret, 2);
  // The ANSI-window path: nothing is written after the lead byte alone.
  Key(view, VK_HOME);
  OnViewChar(view, 0x8A, false);
  EXPECT_EQ(DocumentBytes(view), "\x82\xA0z");
  OnViewChar(view, 0xBF, false);
  EXPECT_EQ(DocumentBytes(view), "\x8A\xBFz");
  Key(view, VK_TAB);  // UTF-16 area: 漢 is U+6F22
  Key(view, VK_HOME);
  OnViewChar(view, 0x8A, false);
  OnViewChar(view, 0xBF, false);
  EXPECT_EQ(DocumentBytes(view), "\x22\x6Fz");
}

TEST(DeleteKeys, EdgesAndUndo) {
  ScratchFolder folder;
  ShellRun run;
  HWND view = OpenView(run, folder, "abcdef");
  Document* doc = DocumentOf(view);
  Key(view, VK_BACK);  // offset 0: nothing
  EXPECT_EQ(DocumentBytes(view), "abcdef");
  EXPECT_EQ(UndoSteps(doc), 0);
  Key(view, VK_END, true);
  Key(view, VK_DELETE);  // end of data: nothing
  EXPECT_EQ(DocumentBytes(view), "abcdef");
  EXPECT_EQ(UndoSteps(doc), 0);
  Key(view, VK_BACK);
  EXPECT_EQ(DocumentBytes(view), "abcde");
  EXPECT_EQ(doc->caret, 5);
  Key(view, VK_HOME);
  Key(view, VK_DELETE);
  EXPECT_EQ(DocumentBytes(view), "bcde");
  EXPECT_EQ(doc->caret, 0);
  Key(view, VK_RIGHT, false, true);
  Key(view, VK_RIGHT, false, true);
  Key(view, VK_RIGHT, false, true);
  Key(view, VK_RIGHT, false, true);  // [0, 2) selected
  EXPECT_TRUE(MenuItemEnabled(IDM_DELETE));
  Key(view, VK_DELETE);
  EXPECT_EQ(DocumentBytes(view), "de");
  EXPECT_FALSE(MenuItemEnabled(IDM_DELETE));
  Command(IDM_UNDO);
  EXPECT_EQ(DocumentBytes(view), "bcde");
  EXPECT_EQ(doc->anchor, 0);  // the restored bytes are selected again
  EXPECT_EQ(doc->caret, 2);
  Command(IDM_UNDO);
  Command(IDM_UNDO);
  EXPECT_EQ(DocumentBytes(view), "abcdef");
  EXPECT_EQ(doc->caret, 6);  // Backspace's undo puts the caret back after the byte
}

}  // namespace
