// Typing into a real document window through WM_CHAR: digit entry with its undo
// steps, binary digits, a digit refused at the size limit, and Shift-JIS
// characters arriving as two messages.
#include "hexview/input/char_input_win.h"

#include "hexview/view_fixture_win.h"
#include "hexview/view_state_win.h"

namespace {

using CharInput = ViewTest;

void Type(HWND view, const std::string& text) {
  for (char c : text) Char(view, static_cast<unsigned char>(c));
}

TEST_F(CharInput, FourThenOneInsertsOneByteWithTwoUndoStepsAndBinaryDigitsFillBits) {
  Open("XYZ", 0, kEntryInsert);
  Char(view, '4');
  EXPECT_EQ(DocumentBytes(view) + Where(doc), "\x40XYZcaret 0 digit 1 area 0 anchor -1");
  Char(view, '1');  // overwrites the low nibble instead of inserting
  EXPECT_EQ(DocumentBytes(view) + Where(doc), "AXYZcaret 1 digit 0 area 0 anchor -1");
  EXPECT_TRUE(g_view.entryMode == kEntryInsert && UndoSteps(doc) == 2 && doc->modified == 1);
  Command(IDM_RADIX_BIN);
  Type(view, "710000001");  // 7 is no binary digit
  EXPECT_EQ(DocumentBytes(view) + Where(doc), "A\x81XYZcaret 2 digit 0 area 0 anchor -1");
  EXPECT_TRUE(g_view.entryMode == kEntryInsert && UndoSteps(doc) == 10 && run.messages().texts().empty());
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
  EXPECT_EQ(DocumentBytes(view) + Where(doc), "PQcaret 0 digit 0 area 0 anchor -1");
  EXPECT_EQ(g_view.entryMode * 100 + UndoSteps(doc) + doc->modified, kEntryInsert * 100);
}

TEST_F(CharInput, ShiftJisCharacterAsTwoMessages) {
  Open("xyz", 0, kEntryOverwrite);
  Key(view, VK_TAB);
  for (char c : std::string("\x82\xA0")) SendMessageA(view, WM_CHAR, static_cast<unsigned char>(c), 1);
  EXPECT_EQ(DocumentBytes(view) + std::to_string(doc->caret), "\x82\xA0z2");  // as an ANSI sender's pair arrives
  Key(view, VK_TAB);  // the ANSI-window path, UTF-16 area: 漢 is U+6F22; nothing is written after the lead alone
  Key(view, VK_HOME);
  OnViewChar(view, 0x8A, false);
  EXPECT_EQ(DocumentBytes(view), "\x82\xA0z");
  OnViewChar(view, 0xBF, false);
  EXPECT_EQ(DocumentBytes(view), "\x22\x6Fz");
}

}  // namespace
