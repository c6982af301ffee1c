// Find, Find Next and Replace under Wine with the real dialogs, typed into,
// picked from and pressed as a user would, and the real progress dialog.
#include <windows.h>

#include <gtest/gtest.h>

#include <climits>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "hexview/input_helpers_win.h"
#include "hexview/render/dump_layout.h"
#include "resources/resource_ids.h"
#include "search/search_history.h"
#include "search/search_state.h"
#include "shell/process_state.h"
#include "shell/progress_dialog_win.h"

namespace {

using input::Command;

HWND EditOf(HWND dialog, int combo) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  GetComboBoxInfo(GetDlgItem(dialog, combo), &info);
  return info.hwndItem;
}

// Keystrokes into a combo's edit (UTF-16 characters, as the Unicode dialog gets
// them), replacing what it held; the combo tells the dialog of each change.
void Type(HWND dialog, int combo, const std::u16string& text) {
  HWND edit = EditOf(dialog, combo);
  SendMessageW(edit, EM_SETSEL, 0, -1);
  SendMessageW(edit, WM_CHAR, VK_BACK, 1);
  for (char16_t c : text) SendMessageW(edit, WM_CHAR, c, 1);
}

void Pick(HWND dialog, int combo, int index) {
  SendDlgItemMessageA(dialog, combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  HWND control = GetDlgItem(dialog, combo);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(combo, CBN_SELCHANGE), reinterpret_cast<LPARAM>(control));
}

std::string Text(HWND dialog, int id) { return DialogDriver::Text(dialog, id); }

std::u16string WideText(HWND dialog, int id) {
  wchar_t text[512] = {};
  GetDlgItemTextW(dialog, id, text, 512);
  return std::u16string(text, text + lstrlenW(text));
}

bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

// Answers every dialog a command opens: the find or replace dialog through fill,
// each confirmation dialog with the next of its buttons (keeping what it showed
// and where it opened), the progress dialogs by letting them be or aborting.
struct Script {
  std::function<void(HWND)> fill;
  std::deque<int> answers;
  std::vector<std::vector<std::u16string>> shown;  // controls 102-111 of each confirmation
  std::vector<POINT> places;
  POINT moveTo{INT_MAX, INT_MAX};  // where the user drags the first confirmation
  bool abort = false;
  int progress = 0;

  void Answer(HWND dialog) {
    char caption[32] = {};
    GetWindowTextA(dialog, caption, sizeof caption);
    if (std::string(caption) == "Varnel") {
      ++progress;
      if (abort) DialogDriver::Press(dialog, IDCANCEL);
    } else if (GetDlgItem(dialog, IDC_CONFIRM_NEXT) != nullptr) {
      EXPECT_TRUE(IsWindowUnicode(dialog));
      shown.emplace_back();
      for (int id = IDC_CONFIRM_MATCH_NUMERIC; id <= IDC_CONFIRM_DIRECTION; ++id)
        shown.back().push_back(WideText(dialog, id));
      RECT r;
      GetWindowRect(dialog, &r);
      places.push_back({r.left, r.top});
      if (moveTo.x != INT_MAX && places.size() == 1)
        SetWindowPos(dialog, nullptr, moveTo.x, moveTo.y, 0, 0, SWP_NOSIZE);
      DialogDriver::Press(dialog, answers.empty() ? IDCANCEL : answers.front());
      if (!answers.empty()) answers.pop_front();
    } else {
      EXPECT_TRUE(IsWindowUnicode(dialog));
      fill(dialog);
    }
  }

  void Run(UINT command) {
    DialogDriver driver;
    for (int i = 0; i < 64; ++i) driver.Then([this](HWND d) { Answer(d); });
    Command(command);
  }
};

ByteSequence Seq(const std::string& s) {
  ByteSequence b;
  b.count = static_cast<int32_t>(s.size());
  std::copy(s.begin(), s.end(), b.bytes);
  return b;
}

class SearchWin : public ::testing::Test {
 protected:
  void Open(const std::string& bytes, uint32_t options = 0, int width = 760) {
    run_.messages().Clear();
    view_ = input::OpenView(run_, folder_, bytes, options, kEntryOverwrite, width);
    ASSERT_NE(view_, nullptr);
    doc_ = DocumentOf(view_);
  }
  std::vector<std::string> Messages() { return run_.messages().texts(); }

  ScratchFolder folder_;
  ShellRun run_;
  HWND view_ = nullptr;
  Document* doc_ = nullptr;
};

TEST_F(SearchWin, FindDialogKeepsItsThreeFieldsInStepThenSearches) {
  Open("xxAB....AB");
  g_settings.findHistory = {{0x61, 0x00}, {'q'}};
  Script s;
  s.fill = [](HWND d) {
    EXPECT_EQ(GetFocus(), EditOf(d, IDC_FIND_NUMERIC));
    EXPECT_EQ(Text(d, IDC_FIND_NUMERIC), "61 00");  // the newest entry, in all three forms
    EXPECT_EQ(Text(d, IDC_FIND_ANSI), "a");
    EXPECT_EQ(WideText(d, IDC_FIND_UNICODE), u"a");
    EXPECT_TRUE(Enabled(d, IDOK));
    Pick(d, IDC_FIND_ANSI, 1);
    EXPECT_EQ(Text(d, IDC_FIND_NUMERIC), "71");
    EXPECT_EQ(WideText(d, IDC_FIND_UNICODE), u"");
    Type(d, IDC_FIND_NUMERIC, u"41 100");  // does not parse: the others empty, OK disabled
    EXPECT_EQ(Text(d, IDC_FIND_ANSI), "");
    EXPECT_EQ(WideText(d, IDC_FIND_UNICODE), u"");
    EXPECT_FALSE(Enabled(d, IDOK));
    Type(d, IDC_FIND_UNICODE, u"A");
    EXPECT_EQ(Text(d, IDC_FIND_NUMERIC), "41 00");
    EXPECT_TRUE(Enabled(d, IDOK));
    Type(d, IDC_FIND_NUMERIC, u"41 42");
    EXPECT_EQ(Text(d, IDC_FIND_ANSI), "AB");
    EXPECT_EQ(WideText(d, IDC_FIND_UNICODE), u"\u4241");
    DialogDriver::Press(d, IDOK);
  };
  s.Run(IDM_FIND);
  EXPECT_EQ(s.progress, 1);
  EXPECT_EQ(doc_->anchor, 2);
  EXPECT_EQ(doc_->caret, 4);
  EXPECT_EQ(StatusText(), "ｱﾄﾞﾚｽ=00000004,選択範囲 00000002 ... 00000003 (00000002)");
  EXPECT_EQ(g_settings.findHistory, (PatternHistory{{0x41, 0x42}, {0x61, 0x00}, {'q'}}));
  EXPECT_TRUE(MenuItemEnabled(IDM_FINDNEXT));
  EXPECT_TRUE(MenuItemEnabled(IDM_COPY));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(SearchWin, FindNextWithShiftSearchesUpwardAndKeepsTheStoredDirection) {
  std::string bytes(64 * 16, '.');
  bytes.replace(2, 2, "AB");
  bytes.replace(40 * 16 + 13, 2, "AB");
  Open(bytes, 0, 400);
  EXPECT_FALSE(MenuItemEnabled(IDM_FINDNEXT));
  SetCurrentSearchPattern(Seq("AB"));
  g_settings.findstat = 27;
  doc_->activeColumn = 1;
  doc_->caret = 5;
  auto findNext = [](bool shift) {
    input::SetModifiers(false, shift);
    Command(IDM_FINDNEXT);
    input::SetModifiers(false, false);
  };
  findNext(false);
  EXPECT_EQ(doc_->caret, 40 * 16 + 15);
  // The match's line comes to the bottom row; the column stops where the
  // character column's last cell is at the right edge.
  EXPECT_EQ(doc_->scrollLine, 40 - PageLines(*doc_) + 1);
  ASSERT_GT(65 - PageColumns(*doc_), 0);
  EXPECT_EQ(doc_->scrollColumn, 65 - PageColumns(*doc_));
  findNext(true);  // the match again, from its end
  EXPECT_EQ(doc_->caret, 40 * 16 + 13);
  findNext(true);
  EXPECT_EQ(doc_->caret, 2);
  EXPECT_EQ(doc_->anchor, 4);
  EXPECT_EQ(doc_->scrollLine, 0);
  EXPECT_EQ(g_settings.findstat, 27);
  findNext(false);  // downward again: the same match from its start
  EXPECT_EQ(doc_->caret, 4);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(SearchWin, NotFoundIsShownInTheActiveColumnsForm) {
  Open("xyz", kRadixSigned);
  SetCurrentSearchPattern(Seq("Aあ"));
  const char* expected[] = {"\"65 -126 -96\"が見つかりません", "\"Aあ\"が見つかりません"};
  for (int column = 0; column < 3; ++column) {
    run_.messages().Clear();
    doc_->activeColumn = column;
    Command(IDM_FINDNEXT);
    ASSERT_EQ(run_.messages().messages().size(), 1u);
    const RecordedMessage& m = run_.messages().messages()[0];
    EXPECT_EQ(m.icon, MessageIcon::Information);
    EXPECT_EQ(m.wide, column == 2);
    if (column < 2) {
      EXPECT_EQ(m.text, expected[column]);
    }
  }
  EXPECT_EQ(run_.messages().messages()[0].wideText, u"\"\u8241\"が見つかりません");
}

TEST_F(SearchWin, AnAbortedSearchShowsNoMessageAndAnotherOperationBlocksIt) {
  Open(std::string(48 << 20, 'a'));
  SetCurrentSearchPattern(Seq("b"));
  g_settings.findstat = 0;  // width-insensitive: the slowest kind
  Script s;
  s.abort = true;
  s.Run(IDM_FINDNEXT);
  EXPECT_EQ(s.progress, 1);
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(doc_->anchor, -1);
  ASSERT_TRUE(BeginProgress("ﾌｧｲﾙに書き込み中"));
  DialogDriver none;
  SendMessageA(view_, WM_COMMAND, IDM_FINDNEXT, 0);
  SendMessageA(view_, WM_COMMAND, IDM_REPLACE, 0);
  EXPECT_TRUE(EndProgress());
  EXPECT_EQ(none.dialogsSeen(), 0);  // neither a search nor the dialog started
  EXPECT_TRUE(Messages().empty());
}

// Replace through the dialog with the pattern and replacement typed as numbers.
std::function<void(HWND)> ReplaceWith(const std::u16string& pattern, const std::u16string& with, int button) {
  return [=](HWND d) {
    EXPECT_FALSE(Enabled(d, IDC_REPLACE_ALL));
    Type(d, IDC_REPLACE_NUMERIC, pattern);
    Type(d, IDC_REPLACE_WITH_NUMERIC, with);
    EXPECT_TRUE(Enabled(d, IDOK));
    EXPECT_TRUE(Enabled(d, IDC_REPLACE_ALL));
    DialogDriver::Press(d, button);
  };
}

// The replaced count includes only what was replaced from "すべて置換(&A)" on;
// every replacement is its own undo step.
TEST_F(SearchWin, ReplaceCountsFromAllOnAndUndoesOneReplacementAtATime) {
  std::string pairs;
  for (int i = 0; i < 1000; ++i) pairs += "BC";
  constexpr int R = IDC_CONFIRM_REPLACE, N = IDC_CONFIRM_NEXT;
  struct Row {
    std::string text;
    std::u16string with;
    int button;
    std::deque<int> answers;
    std::string result, afterUndo;
    std::vector<std::string> messages;
    int progress, steps;
  };
  const Row rows[] = {
      {std::string(1000, 'A'), u"42 43", IDC_REPLACE_ALL, {}, pairs, pairs.substr(0, 1998) + "A",
       {"1000個の数列を置換しました"}, 1, 1000},
      {"AAAAA", u"42", IDOK, {R, R, IDC_CONFIRM_ALL}, "BBBBB", "BBBBA", {"3個の数列を置換しました"}, 4, 5},
      {"AAAAA", u"42", IDOK, {N, N, N, N, N}, "AAAAA", "AAAAA", {}, 6, 0},
      {"AAAAA", u"42", IDOK, {R, N, IDCANCEL}, "BAAAA", "AAAAA", {}, 3, 1},
      {"xAxAAx", u"", IDC_REPLACE_ALL, {}, "xxx", "xxAx", {"3個の数列を置換しました"}, 1, 3},
  };
  for (const Row& row : rows) {
    Open(row.text);
    Script s;
    s.fill = ReplaceWith(u"41", row.with, row.button);
    s.answers = row.answers;
    s.Run(IDM_REPLACE);
    EXPECT_EQ(DocumentBytes(view_), row.result);
    EXPECT_EQ(Messages(), row.messages);
    for (const RecordedMessage& m : run_.messages().messages()) EXPECT_EQ(m.icon, MessageIcon::Information);
    EXPECT_EQ(s.progress, row.progress);
    EXPECT_EQ(input::UndoSteps(doc_), row.steps);
    EXPECT_EQ(g_settings.findHistory, PatternHistory{{0x41}});
    EXPECT_EQ(g_settings.replaceHistory.size(), row.with.empty() ? 0u : 1u);  // an empty replacement is not kept
    EXPECT_EQ(g_settings.findstat, 27);
    Command(IDM_UNDO);
    EXPECT_EQ(DocumentBytes(view_), row.afterUndo);
    run_.Close();
  }
}

TEST_F(SearchWin, ConfirmationShowsTheMatchInEveryAddressRadixAndReopensWhereItWasLeft) {
  const std::u16string range[] = {u"00000012 ... 00000017 (00000006)", u"00000018 ... 00000023 (00000006)",
                                  u"00000022 ... 00000027 (00000006)"};
  Open(std::string(18, '.') + "ＡＢＣ..");
  Script s;
  s.fill = [](HWND d) {
    Type(d, IDC_REPLACE_ANSI, u"abc");
    Type(d, IDC_REPLACE_WITH_ANSI, u"x");
    CheckDlgButton(d, IDC_REPLACE_CASE, BST_UNCHECKED);
    CheckDlgButton(d, IDC_REPLACE_WIDTH, BST_UNCHECKED);
    DialogDriver::Press(d, IDOK);
  };
  s.moveTo = {40, 50};
  for (int radix = 0; radix < 3; ++radix) {
    doc_->options = (doc_->options & ~kOptAddressRadixMask) | static_cast<uint32_t>(radix << 3);
    doc_->caret = 0;
    s.answers = {IDC_CONFIRM_NEXT};
    s.Run(IDM_REPLACE);
    ASSERT_EQ(s.shown.size(), static_cast<size_t>(radix + 1));
    EXPECT_EQ(s.shown[static_cast<size_t>(radix)],
              (std::vector<std::u16string>{u"82 60 82 61 82 62", u"ＡＢＣ", u"\u6082\u6182\u6282", u"78", u"x", u"",
                                           range[radix], u"大/小文字を区別しない", u"全/半角を区別しない", u"下"}));
  }
  EXPECT_EQ(s.places[1].x, 40);
  EXPECT_EQ(s.places[2].y, 50);
  EXPECT_EQ(DocumentBytes(view_), std::string(18, '.') + "ＡＢＣ..");
  EXPECT_TRUE(Messages().empty());
}

// The document is made to look 2 GiB long so that the fourth replacement would
// pass the 32-bit size limit.
TEST_F(SearchWin, AReplacementPastTheSizeLimitStopsWithAnUndoableDocument) {
  Open("AAAAAA");
  const int32_t pretended = INT32_MAX - 3 - 6;
  doc_->length += pretended;
  Script s;
  s.fill = ReplaceWith(u"41", u"42 43", IDC_REPLACE_ALL);
  s.Run(IDM_REPLACE);
  doc_->length -= pretended;
  EXPECT_EQ(Messages(), std::vector<std::string>{"ﾒﾓﾘを確保できません。"});
  EXPECT_EQ(run_.messages().messages()[0].icon, MessageIcon::Stop);
  EXPECT_EQ(DocumentBytes(view_), "BCBCBCAAA");
  EXPECT_EQ(CheckDocument(*doc_), "");
  EXPECT_TRUE(IsWindow(g_shell.frame));
  Command(IDM_UNDO);
  EXPECT_EQ(DocumentBytes(view_), "BCBCAAAA");
}

}  // namespace
