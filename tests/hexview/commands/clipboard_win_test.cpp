// Clipboard exchange under Wine: bytes between two windows, the UNICODE column,
// text of another program, paste over, undo, and data that cannot be trusted.
#include "hexview/commands/clipboard_win.h"

#include <cstring>

#include "core/display_types.h"
#include "core/edit.h"
#include "hexview/view_fixture_win.h"

namespace {

// The first n bytes of a clipboard format, or "<none>".
std::string ClipboardBytes(UINT format, size_t n) {
  std::string out = "<none>";
  if (!OpenClipboard(nullptr)) return "<cannot open>";
  if (HANDLE h = GetClipboardData(format)) {
    const char* p = static_cast<const char*>(GlobalLock(h));
    if (p != nullptr) out.assign(p, std::min<size_t>(n, GlobalSize(h)));
    GlobalUnlock(h);
  }
  CloseClipboard();
  return out;
}

std::string ClipboardText() {
  std::string raw = ClipboardBytes(CF_TEXT, 1000);
  return raw.substr(0, raw.find('\0'));
}

// Puts blocks of the given formats on the clipboard as another program would.
void SetClipboardBlocks(const std::vector<std::pair<UINT, std::string>>& blocks) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  for (const auto& [format, bytes] : blocks) {
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    std::memcpy(GlobalLock(h), bytes.data(), bytes.size());
    GlobalUnlock(h);
    SetClipboardData(format, h);
  }
  CloseClipboard();
  PumpMessages();
}

using Clipboard = ViewTest;

TEST_F(Clipboard, BytesWithZerosTravelBetweenTwoWindowsAndUndoReselects) {
  std::vector<HWND> w = OpenFiles({{"from.bin", std::string("xx\0A\0\0B\xFFyy", 10)}, {"to.bin", "0123"}});
  Select(w[0], 8, 2, 1);  // anchor after the caret: a backward selection
  Command(w[0], IDM_COPY);
  EXPECT_EQ(ClipboardBytes(g_shell.binaryClipboardFormat, 10), std::string("\x06\0\0\0\0A\0\0B\xFF", 10));
  EXPECT_EQ(ClipboardBytes(CF_TEXT, 7), std::string("\0A\0\0B\xFF\0", 7));
  Select(w[1], -1, 2, 1);
  Command(w[1], IDM_PASTE);
  Document* target = DocumentOf(w[1]);
  EXPECT_EQ(DocumentBytes(w[1]) + Where(target) + std::to_string(target->modified) + std::to_string(doc->modified),
            std::string("01\0A\0\0B\37723", 10) + "caret 8 digit 0 area 1 anchor -110");
  // A paste replaces the selection; undo brings the selection back, selected.
  Select(w[1], 0, 2);
  Command(w[1], IDM_PASTE);
  EXPECT_EQ(DocumentBytes(w[1]), std::string("\0A\0\0B\377\0A\0\0B\37723", 14));
  ASSERT_EQ(UndoOrRedo(*target, false, EditViewOf(w[1])), 0);
  EXPECT_EQ(DocumentBytes(w[1]), std::string("01\0A\0\0B\37723", 10));
  EXPECT_EQ(std::min(target->anchor, target->caret) * 10 + std::max(target->anchor, target->caret), 2);
  EXPECT_TRUE(run.messages().texts().empty());
}

// Different ANSI and UTF-16 texts, as another program leaves them, tell which one a paste took.
TEST_F(Clipboard, TextIsPastedAsItsCharacterBytesPasteOverOverwritesAndBadDataIsRefused) {
  OpenFiles({{"p.bin", ".."}});
  SetClipboardBlocks({});
  EXPECT_FALSE(MenuItemEnabled(IDM_PASTE));
  SetClipboardBlocks({{CF_TEXT, std::string("AB\x82\xA0", 5)}, {CF_UNICODETEXT, std::string("Z\0\x42\x30\0\0", 6)}});
  EXPECT_TRUE(MenuItemEnabled(IDM_PASTE));  // the frame follows the clipboard chain
  Select(view, -1, 1, 1);                   // the character column takes the ANSI text, no terminator
  Command(view, IDM_PASTE);
  Select(view, -1, 0, 0);  // the numeric column too: "41" would not become 0x41
  Command(view, IDM_PASTE);
  Select(view, -1, 0, 2);  // the UNICODE column takes the UTF-16 units
  Command(view, IDM_PASTE);
  const std::string pasted("Z\0B0AB\x82\xA0.AB\x82\xA0.", 14);  // B0 is U+3042 あ
  EXPECT_EQ(DocumentBytes(view), pasted);
  Select(view, 2, 4, 2);  // copied from the UNICODE column: the bytes as UTF-16 and an ANSI copy
  Command(view, IDM_COPY);
  EXPECT_EQ(ClipboardBytes(CF_UNICODETEXT, 4) + ClipboardText(), std::string("B0\0\0", 4) + "あ");
  SetClipboardBlocks({{CF_TEXT, std::string("0123456789", 11)}});
  Select(view, -1, 8, 1);
  Command(view, IDM_PASTEOVER);  // near the end: overwrites and appends
  EXPECT_EQ(DocumentBytes(view) + " " + Where(doc),
            pasted.substr(0, 8) + "0123456789 caret 18 digit 0 area 1 anchor -1");
  SetClipboardBlocks({{CF_TEXT, std::string("xy", 3)}});
  Select(view, -1, 1, 1);
  Command(view, IDM_PASTEOVER);  // inside the data: as many bytes as it brings
  Select(view, 0, 4, 1);
  Command(view, IDM_PASTEOVER);  // with a selection: replaces it, as paste does
  EXPECT_EQ(DocumentBytes(view), "xyAB\x82\2400123456789");
  for (int i = 0; i < 3; ++i) UndoOrRedo(*doc, false, EditViewOf(view));
  EXPECT_EQ(DocumentBytes(view), pasted);
  // Why: another program's payload claiming more bytes than its block holds
  // must not make the paste read past the block: the text is taken instead.
  SetClipboardBlocks(
      {{g_shell.binaryClipboardFormat, std::string("\xFF\xFF\0\0ab", 6)}, {CF_TEXT, std::string("txt", 4)}});
  Select(view, -1, 1, 1);
  Command(view, IDM_PASTE);
  const std::string safe = pasted.substr(0, 1) + "txt" + pasted.substr(1);
  EXPECT_EQ(DocumentBytes(view), safe);
  UndoStep* before = doc->undoList;
  SetClipboardBlocks({{g_shell.binaryClipboardFormat, std::string("\x10\0\0\0ab", 6)}});
  Command(view, IDM_PASTE);  // only the damaged payload: nothing is pasted
  SetClipboardBlocks({{CF_TEXT, std::string("\0", 1)}});
  Command(view, IDM_PASTE);  // empty text without a selection
  EXPECT_TRUE(DocumentBytes(view) == safe && doc->undoList == before);
  EXPECT_TRUE(run.messages().texts().empty());
}

}  // namespace
