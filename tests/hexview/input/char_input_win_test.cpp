// Typing into a real document window through WM_CHAR: digits with bit groups,
// insert and overwrite, characters in both character areas, undo and redo.
#include "hexview/input/char_input_win.h"

#include "hexview/view_fixture_win.h"
#include "hexview/view_state_win.h"

namespace {

using CharInput = ViewTest;

void Type(HWND view, const std::string& text) {
  for (char c : text) Char(view, static_cast<unsigned char>(c));
}

TEST_F(CharInput, FourThenOneInsertsOneByteWithTwoUndoSteps) {
  Open("XYZ", 0, kEntryInsert);
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
TEST_F(CharInput, ADigitRefusedAtTheSizeLimitChangesNothing) {
  Open("PQ", 0, kEntryInsert);
  // The size check comes before any byte is touched, so a document that claims
  // the largest size stands in for one that holds it.
  const int32_t realLength = doc->length;
  doc->length = INT32_MAX;
  Type(view, "67");
  doc->length = realLength;
  EXPECT_EQ(run.messages().texts(), (std::vector<std::string>{"ﾒﾓﾘを確保できません。", "ﾒﾓﾘを確保できません。"}));
  EXPECT_EQ(DocumentBytes(view), "PQ");
  EXPECT_EQ(doc->caret + doc->digitIndex, 0);
  EXPECT_EQ(doc->anchor, -1);
  EXPECT_EQ(g_view.entryMode, kEntryInsert);
  EXPECT_EQ(UndoSteps(doc), 0);
  EXPECT_EQ(doc->modified, 0);
}

TEST_F(CharInput, OverwriteReplacesNibblesAndInsertsAtTheEnd) {
  Open("\x12\x34", 0, kEntryOverwrite);
  Type(view, "abF");  // a, b over 12; F over the high nibble of 34
  EXPECT_EQ(DocumentBytes(view), "\xAB\xF4");
  EXPECT_EQ(doc->caret, 1);
  EXPECT_EQ(doc->digitIndex, 1);
  Key(view, VK_END, true);
  Char(view, '7');  // nothing to overwrite at the end of data: a new byte
  EXPECT_EQ(DocumentBytes(view), "\xAB\xF4\x70");
  EXPECT_EQ(doc->caret, 2);
  EXPECT_EQ(doc->digitIndex, 1);
  EXPECT_EQ(g_view.entryMode, kEntryOverwrite);
  Type(view, "9g ");  // g and the blank are no digits
  EXPECT_EQ(DocumentBytes(view), "\xAB\xF4\x79");
  EXPECT_EQ(doc->caret, 3);
}

TEST_F(CharInput, BinaryDigitsFillBitsAndOctalOnesGoToTheDialog) {
  Open("", 2 /* binary data */, kEntryInsert);
  Type(view, "71");  // 7 is no binary digit
  EXPECT_EQ(DocumentBytes(view), "\x80");
  EXPECT_EQ(doc->digitIndex, 1);
  Type(view, "0000001");
  EXPECT_EQ(DocumentBytes(view), "\x81");
  EXPECT_EQ(doc->caret, 1);
  EXPECT_EQ(g_view.entryMode, kEntryInsert);
  EXPECT_EQ(UndoSteps(doc), 8);
  Command(IDM_RADIX_OCT);
  DialogDriver dialogs;  // cancels the radix input dialog
  Char(view, '7');
  Char(view, '8');  // no octal digit: no dialog
  EXPECT_EQ(dialogs.dialogsSeen(), 1);
  EXPECT_EQ(DocumentBytes(view), "\x81");
}

TEST_F(CharInput, BothCharacterAreasInsertAndOverwrite) {
  Open("0123", 0, kEntryOverwrite);
  Key(view, VK_TAB);
  Type(view, "AB");
  EXPECT_EQ(DocumentBytes(view), "AB23");
  Key(view, VK_TAB);  // UTF-16 area, same byte
  EXPECT_EQ(doc->activeColumn, 2);
  EXPECT_EQ(doc->caret, 2);
  Char(view, 'C');  // two bytes over "23"
  Char(view, 'D');  // at the end of data: inserted
  EXPECT_EQ(DocumentBytes(view), std::string("ABC\0D\0", 6));
  Key(view, VK_INSERT);
  Key(view, VK_HOME, true);
  Char(view, 0x3042);  // あ as one UTF-16 unit
  EXPECT_EQ(DocumentBytes(view), std::string("\x42\x30" "ABC\0D\0", 8));
  EXPECT_EQ(doc->caret, 2);
}

TEST_F(CharInput, ShiftJisCharacterAsTwoMessages) {
  Open("xyz", 0, kEntryOverwrite);
  Key(view, VK_TAB);
  TypeAnsi(view, "\x82\xA0");  // as the system delivers an ANSI sender's pair
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

}  // namespace
