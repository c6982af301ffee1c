// Clipboard exchange under Wine: bytes between two windows, the text forms of
// each column, text from another process, paste over, cut and undo, and data
// that cannot be trusted.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/undo.h"
#include "hexview/commands/clipboard_win.h"
#include "resources/resource_ids.h"
#include "hexview/save_test_helpers_win.h"

namespace {

constexpr const char* kHelperSwitch = "--set-clipboard-from-another-process";

// The text a second process of this binary puts on the clipboard: different
// ANSI and UTF-16 texts, so a test can tell which one a paste took.
const char kOtherAnsi[] = "AB\x82\xA0";             // "AB" and Shift-JIS あ
const wchar_t kOtherWide[] = L"Z\x3042";            // "Zあ"

void SetOtherProcessClipboard() {
  if (!OpenClipboard(nullptr)) ExitProcess(2);
  EmptyClipboard();
  HGLOBAL ansi = GlobalAlloc(GMEM_MOVEABLE, sizeof kOtherAnsi);
  std::memcpy(GlobalLock(ansi), kOtherAnsi, sizeof kOtherAnsi);
  GlobalUnlock(ansi);
  HGLOBAL wide = GlobalAlloc(GMEM_MOVEABLE, sizeof kOtherWide);
  std::memcpy(GlobalLock(wide), kOtherWide, sizeof kOtherWide);
  GlobalUnlock(wide);
  bool ok = SetClipboardData(CF_TEXT, ansi) && SetClipboardData(CF_UNICODETEXT, wide);
  CloseClipboard();
  ExitProcess(ok ? 0 : 3);
}

// Started with kHelperSwitch, this binary only sets the clipboard and ends,
// before any test runs.
const bool g_helperMode = [] {
  if (std::strstr(GetCommandLineA(), kHelperSwitch) != nullptr) SetOtherProcessClipboard();
  return false;
}();

// Runs the helper process and lets messages through while it runs (the frame,
// a clipboard viewer, is told of the change by a sent message).
DWORD RunClipboardHelper() {
  char exe[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  std::string commandLine = "\"" + std::string(exe) + "\" " + kHelperSwitch;
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessA(exe, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return 99;
  DWORD start = GetTickCount();
  while (MsgWaitForMultipleObjects(1, &pi.hProcess, FALSE, 100, QS_ALLINPUT) != WAIT_OBJECT_0 &&
         GetTickCount() - start < 30000)
    PumpMessages();
  DWORD code = 98;
  GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  PumpMessages();
  return code;
}

// The raw bytes of a clipboard format, or "<none>".
std::string ClipboardBytes(UINT format) {
  std::string out = "<none>";
  if (!OpenClipboard(nullptr)) return "<cannot open>";
  if (HANDLE h = GetClipboardData(format)) {
    const char* p = static_cast<const char*>(GlobalLock(h));
    if (p != nullptr) out.assign(p, GlobalSize(h));
    GlobalUnlock(h);
  }
  CloseClipboard();
  return out;
}

// The text of CF_TEXT up to its terminator.
std::string ClipboardText() {
  std::string raw = ClipboardBytes(CF_TEXT);
  return raw.substr(0, raw.find('\0'));
}

void EmptyTheClipboard() {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  CloseClipboard();
  PumpMessages();
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

void Select(HWND view, int32_t anchor, int32_t caret, int column) {
  Document* doc = DocumentOf(view);
  doc->anchor = anchor;
  doc->caret = caret;
  doc->activeColumn = column;
}

void PlaceCaret(HWND view, int32_t caret, int column) { Select(view, -1, caret, column); }

TEST(Clipboard, BytesWithZerosTravelBetweenTwoWindows) {
  ScratchFolder folder;
  std::string from = folder.Write("from.bin", std::string("xx\0A\0\0B\xFFyy", 10));
  std::string to = folder.Write("to.bin", "0123");
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 " + Quote(from) + " " + Quote(to)));
  HWND source = WindowOf(DocumentOf(DocumentWindows()[1])->path);
  HWND target = DocumentWindows()[0];
  Select(source, 8, 2, 1);  // anchor after the caret: a backward selection
  Command(source, IDM_COPY);
  EXPECT_EQ(ClipboardBytes(g_shell.binaryClipboardFormat).substr(0, 10), std::string("\x06\0\0\0\0A\0\0B\xFF", 10));
  EXPECT_EQ(ClipboardBytes(CF_TEXT).substr(0, 7), std::string("\0A\0\0B\xFF\0", 7));
  EXPECT_TRUE(MenuItemEnabled(IDM_PASTE));

  PlaceCaret(target, 2, 1);
  Command(target, IDM_PASTE);
  EXPECT_EQ(DocumentBytes(target), std::string("01\0A\0\0B\xFF" "23", 10));
  Document* doc = DocumentOf(target);
  EXPECT_EQ(doc->caret, 8);
  EXPECT_EQ(doc->anchor, -1);
  EXPECT_EQ(doc->modified, 1);
  EXPECT_EQ(DocumentOf(source)->modified, 0);
  EXPECT_TRUE(run.messages().texts().empty());

  // A paste replaces the selection; undo brings the selection back, selected.
  Select(target, 0, 2, 0);
  Command(target, IDM_PASTE);
  EXPECT_EQ(DocumentBytes(target), std::string("\0A\0\0B\xFF\0A\0\0B\xFF" "23", 14));
  ASSERT_EQ(UndoOrRedo(*doc, false, EditViewOf(target)), 0);
  EXPECT_EQ(DocumentBytes(target), std::string("01\0A\0\0B\xFF" "23", 10));
  EXPECT_EQ(std::min(doc->anchor, doc->caret), 0);
  EXPECT_EQ(std::max(doc->anchor, doc->caret), 2);
}

TEST(Clipboard, TextFormsOfEachColumn) {
  ScratchFolder folder;
  std::string path = folder.Write("text.bin", std::string("\x0A\xFF\x42\x30", 4));
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 " + Quote(path)));
  HWND view = DocumentWindows()[0];
  Document* doc = DocumentOf(view);
  struct Row {
    const char* why;
    uint32_t radix;
    std::string text;
  };
  const Row rows[] = {
      {"hexadecimal", 0, "0A FF"},
      {"octal", 1, "012 377"},
      {"binary", 2, "00001010 11111111"},
      {"unsigned decimal", 3, " 10 255"},
      {"signed decimal", 4, "  10   -1"},
  };
  for (const Row& row : rows) {
    doc->options = (doc->options & ~kOptDataRadixMask) | row.radix;
    Select(view, 0, 2, 0);
    Command(view, IDM_COPY);
    EXPECT_EQ(ClipboardBytes(CF_TEXT).substr(0, row.text.size() + 1), row.text + '\0') << row.why;
    EXPECT_EQ(ClipboardBytes(g_shell.binaryClipboardFormat).substr(0, 6), std::string("\x02\0\0\0\x0A\xFF", 6));
  }

  // The UNICODE column: the bytes as UTF-16 ("あ" is 42 30) and an ANSI copy.
  Select(view, 2, 4, 2);
  Command(view, IDM_COPY);
  EXPECT_EQ(ClipboardBytes(CF_UNICODETEXT).substr(0, 4), std::string("\x42\x30\0\0", 4));
  EXPECT_EQ(ClipboardText(), "あ");
  EXPECT_TRUE(run.messages().texts().empty());
}

TEST(Clipboard, CopyWithoutSelectionLeavesTheClipboardAlone) {
  ScratchFolder folder;
  std::string path = folder.Write("n.bin", "abc");
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 " + Quote(path)));
  SetClipboardBlocks({{CF_TEXT, std::string("keep", 5)}});
  HWND view = DocumentWindows()[0];
  PlaceCaret(view, 1, 1);
  EXPECT_EQ(CopySelection(view), 0);
  EXPECT_EQ(ClipboardText(), "keep");
}

TEST(Clipboard, TextFromAnotherProcessIsPastedAsItsCharacterBytes) {
  ScratchFolder folder;
  std::string path = folder.Write("p.bin", "..");
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 " + Quote(path)));
  HWND view = DocumentWindows()[0];
  EmptyTheClipboard();
  EXPECT_FALSE(MenuItemEnabled(IDM_PASTE));
  ASSERT_EQ(RunClipboardHelper(), 0u);
  EXPECT_TRUE(MenuItemEnabled(IDM_PASTE));  // the frame follows the clipboard chain

  // The character column takes the ANSI text, without its terminator.
  PlaceCaret(view, 1, 1);
  Command(view, IDM_PASTE);
  EXPECT_EQ(DocumentBytes(view), ".AB\x82\xA0.");
  // The numeric column too: text stays characters, "41" would not become 0x41.
  PlaceCaret(view, 0, 0);
  Command(view, IDM_PASTE);
  EXPECT_EQ(DocumentBytes(view), "AB\x82\xA0.AB\x82\xA0.");
  // The UNICODE column takes the UTF-16 units.
  PlaceCaret(view, 0, 2);
  Command(view, IDM_PASTE);
  EXPECT_EQ(DocumentBytes(view).substr(0, 4), std::string("Z\0\x42\x30", 4));
  EXPECT_EQ(DocumentOf(view)->length, 14);
  EXPECT_TRUE(run.messages().texts().empty());
}

TEST(Clipboard, PasteOverNearTheEndOverwritesAndAppends) {
  ScratchFolder folder;
  std::string path = folder.Write("over.bin", "0123456789");
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 " + Quote(path)));
  HWND view = DocumentWindows()[0];
  SetClipboardBlocks({{CF_TEXT, std::string("ABCDEFGHIJ", 11)}});
  PlaceCaret(view, 6, 1);
  Command(view, IDM_PASTEOVER);
  EXPECT_EQ(DocumentBytes(view), "012345ABCDEFGHIJ");
  EXPECT_EQ(DocumentOf(view)->caret, 16);
  EXPECT_EQ(DocumentOf(view)->anchor, -1);

  // Inside the data it replaces exactly as many bytes as it brings.
  SetClipboardBlocks({{CF_TEXT, std::string("xy", 3)}});
  PlaceCaret(view, 1, 1);
  Command(view, IDM_PASTEOVER);
  EXPECT_EQ(DocumentBytes(view), "0xy345ABCDEFGHIJ");
  // With a selection it replaces the selection, as paste does.
  Select(view, 0, 3, 1);
  Command(view, IDM_PASTEOVER);
  EXPECT_EQ(DocumentBytes(view), "xy345ABCDEFGHIJ");
  // Undo puts back what paste over covered.
  Document* doc = DocumentOf(view);
  UndoOrRedo(*doc, false, EditViewOf(view));
  UndoOrRedo(*doc, false, EditViewOf(view));
  UndoOrRedo(*doc, false, EditViewOf(view));
  EXPECT_EQ(DocumentBytes(view), "0123456789");
}

TEST(Clipboard, CutThenUndoRestoresTheBytesSelected) {
  ScratchFolder folder;
  std::string path = folder.Write("cut.bin", "abcdefgh");
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 " + Quote(path)));
  HWND view = DocumentWindows()[0];
  Document* doc = DocumentOf(view);
  Select(view, 2, 5, 1);
  Command(view, IDM_CUT);
  EXPECT_EQ(DocumentBytes(view), "abfgh");
  EXPECT_EQ(ClipboardText(), "cde");
  EXPECT_EQ(doc->caret, 2);
  EXPECT_EQ(doc->anchor, -1);
  Command(view, IDM_UNDO);
  EXPECT_EQ(DocumentBytes(view), "abcdefgh");
  EXPECT_EQ(doc->anchor, 2);
  EXPECT_EQ(doc->caret, 5);
  // And the cut bytes paste back elsewhere.
  PlaceCaret(view, 8, 1);
  Command(view, IDM_PASTE);
  EXPECT_EQ(DocumentBytes(view), "abcdefghcde");
}

TEST(Clipboard, AnUntrustworthyBinaryPayloadIsPassedOverForTheText) {
  ScratchFolder folder;
  std::string path = folder.Write("bad.bin", "--");
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 " + Quote(path)));
  HWND view = DocumentWindows()[0];
  // Why: another program's payload claiming more bytes than its block holds
  // must not make the paste read past the block.
  SetClipboardBlocks({{g_shell.binaryClipboardFormat, std::string("\xFF\xFF\x00\x00" "ab", 6)},
                      {CF_TEXT, std::string("txt", 4)}});
  PlaceCaret(view, 1, 1);
  Command(view, IDM_PASTE);
  EXPECT_EQ(DocumentBytes(view), "-txt-");
  // Only the damaged payload: nothing is pasted and nothing changes.
  SetClipboardBlocks({{g_shell.binaryClipboardFormat, std::string("\x10\x00\x00\x00" "ab", 6)}});
  Document* doc = DocumentOf(view);
  UndoStep* before = doc->undoList;
  Command(view, IDM_PASTE);
  EXPECT_EQ(DocumentBytes(view), "-txt-");
  EXPECT_EQ(doc->undoList, before);
  EXPECT_TRUE(run.messages().texts().empty());
}

TEST(Clipboard, EmptyTextWithoutSelectionChangesNothing) {
  ScratchFolder folder;
  std::string path = folder.Write("e.bin", "ab");
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0 " + Quote(path)));
  HWND view = DocumentWindows()[0];
  SetClipboardBlocks({{CF_TEXT, std::string("\0", 1)}});
  PlaceCaret(view, 1, 1);
  Command(view, IDM_PASTE);
  EXPECT_EQ(DocumentOf(view)->modified, 0);
  EXPECT_EQ(DocumentOf(view)->undoList, nullptr);
}

}  // namespace
