// Find, Find Next and Replace under Wine with the real dialogs, typed into,
// picked from and pressed as a user would, and the real progress dialog.
#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "core/codepage.h"
#include "hexview/input_helpers_win.h"
#include "resources/resource_ids.h"
#include "search/pattern_forms.h"
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

std::u16string WideText(HWND dialog, int id) {
  std::u16string text(512, u'\0');
  text.resize(GetDlgItemTextW(dialog, id, reinterpret_cast<wchar_t*>(text.data()), 512));
  return text;
}

// Answers every dialog a command opens: the find or replace dialog through fill,
// each confirmation dialog with the next of its buttons (keeping what the last
// one showed), the progress dialogs by letting them be.
struct Script {
  std::function<void(HWND)> fill;
  std::deque<int> answers;
  std::string shown;  // controls 102-111 of the last confirmation, each ended by "|"
  int progress = 0;

  void Answer(HWND dialog) {
    if (TitleOf(dialog) == "Varnel") {
      ++progress;
    } else if (GetDlgItem(dialog, IDC_CONFIRM_NEXT) != nullptr) {
      EXPECT_TRUE(IsWindowUnicode(dialog));
      shown.clear();
      for (int id = IDC_CONFIRM_MATCH_NUMERIC; id <= IDC_CONFIRM_DIRECTION; ++id)
        shown += Utf16ToAnsi(WideText(dialog, id)) + "|";
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

class SearchWin : public ::testing::Test {
 protected:
  void Open(const std::string& bytes, uint32_t options = 0) {
    run_.messages().Clear();
    view_ = input::OpenView(run_, folder_, bytes, options, kEntryOverwrite);
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
    // Each step's numeric, ANSI and UTF-16 fields and whether OK is enabled.
    auto fields = [d] {
      const std::string texts = DialogDriver::Text(d, IDC_FIND_NUMERIC) + "|" + DialogDriver::Text(d, IDC_FIND_ANSI);
      return texts + "|" + Utf16ToAnsi(WideText(d, IDC_FIND_UNICODE)) + (DialogDriver::Enabled(d, IDOK) ? "|ok" : "|");
    };
    EXPECT_EQ(GetFocus(), EditOf(d, IDC_FIND_NUMERIC));
    EXPECT_EQ(fields(), "61 00|a|a|ok");  // the newest entry, in all three forms
    Type(d, IDC_FIND_NUMERIC, u"41 100");  // does not parse: the others empty, OK disabled
    EXPECT_EQ(fields(), "41 100|||");
    Type(d, IDC_FIND_NUMERIC, u"41 42");
    EXPECT_EQ(WideText(d, IDC_FIND_UNICODE), u"\u4241");
    DialogDriver::Press(d, IDOK);
  };
  s.Run(IDM_FIND);
  EXPECT_TRUE(s.progress == 1 && doc_->anchor == 2 && doc_->caret == 4);
  EXPECT_EQ(StatusText(), "ｱﾄﾞﾚｽ=00000004,選択範囲 00000002 ... 00000003 (00000002)");
  EXPECT_EQ(g_settings.findHistory, (PatternHistory{{0x41, 0x42}, {0x61, 0x00}, {'q'}}));
  EXPECT_TRUE(MenuItemEnabled(IDM_FINDNEXT) && MenuItemEnabled(IDM_COPY) && Messages().empty());
}

// Not found is shown in the active column's form; while another operation runs neither
// a search nor the replace dialog starts.
TEST_F(SearchWin, NotFoundIsShownInTheActiveColumnsFormAndAnotherOperationBlocksSearching) {
  Open("xyz", kRadixSigned);
  SetCurrentSearchPattern(FormsFromAnsi("Aあ", PatternNumberFormatFor(kRadixHex)).pattern);
  const std::u16string expected[] = {u"\"65 -126 -96\"が見つかりません", u"\"Aあ\"が見つかりません",
                                     u"\"\u8241\"が見つかりません"};
  for (int column = 0; column < 3; ++column) {
    run_.messages().Clear();
    doc_->activeColumn = column;
    Command(IDM_FINDNEXT);
    ASSERT_EQ(run_.messages().messages().size(), 1u);
    const RecordedMessage& m = run_.messages().messages()[0];
    EXPECT_TRUE(m.icon == MessageIcon::Information && m.wide == (column == 2));
    EXPECT_EQ(m.wide ? m.wideText : AnsiToUtf16(m.text), expected[column]);
  }
  run_.messages().Clear();
  ASSERT_TRUE(BeginProgress("ﾌｧｲﾙに書き込み中"));
  DialogDriver none;
  SendMessageA(view_, WM_COMMAND, IDM_FINDNEXT, 0);
  SendMessageA(view_, WM_COMMAND, IDM_REPLACE, 0);
  EXPECT_TRUE(EndProgress());
  EXPECT_TRUE(none.dialogsSeen() == 0 && Messages().empty());
}

// Replace through the dialog with the pattern and replacement typed as numbers.
std::function<void(HWND)> ReplaceWith(const std::u16string& pattern, const std::u16string& with, int button) {
  return [=](HWND d) {
    EXPECT_FALSE(DialogDriver::Enabled(d, IDC_REPLACE_ALL));
    Type(d, IDC_REPLACE_NUMERIC, pattern);
    Type(d, IDC_REPLACE_WITH_NUMERIC, with);
    EXPECT_TRUE(DialogDriver::Enabled(d, IDOK) && DialogDriver::Enabled(d, IDC_REPLACE_ALL));
    DialogDriver::Press(d, button);
  };
}

// The replaced count includes only what was replaced from "すべて置換(&A)" on;
// every replacement is its own undo step. In the last row the 6-byte document
// is made to look INT32_MAX - 3 bytes long, so that the fourth replacement would
// pass the 32-bit size limit: it stops with an undoable document.
TEST_F(SearchWin, ReplaceCountsFromAllOnUndoesOneReplacementAtATimeAndStopsAtTheSizeLimit) {
  constexpr int R = IDC_CONFIRM_REPLACE;
  struct Row {
    std::string text;
    std::u16string with;
    int button;
    std::deque<int> answers;
    std::string result, afterUndo;
    std::vector<std::string> messages;
    int progress, steps;
    int32_t pretended = 0;  // added to the document's length while the command runs
  };
  const Row rows[] = {
      {"AAAAA", u"42", IDOK, {R, R, IDC_CONFIRM_ALL}, "BBBBB", "BBBBA", {"3個の数列を置換しました"}, 4, 5},
      {"AAAAA", u"42", IDOK, {R, IDC_CONFIRM_NEXT, IDCANCEL}, "BAAAA", "AAAAA", {}, 3, 1},
      {"xAxAAx", u"", IDC_REPLACE_ALL, {}, "xxx", "xxAx", {"3個の数列を置換しました"}, 1, 3},
      {"AAAAAA", u"42 43", IDC_REPLACE_ALL, {}, "BCBCBCAAA", "BCBCAAAA", {"ﾒﾓﾘを確保できません。"}, 1, 3, INT32_MAX - 9},
  };
  for (const Row& row : rows) {
    Open(row.text);
    Script s;
    s.fill = ReplaceWith(u"41", row.with, row.button);
    s.answers = row.answers;
    doc_->length += row.pretended;
    s.Run(IDM_REPLACE);
    doc_->length -= row.pretended;
    EXPECT_EQ(DocumentBytes(view_), row.result);
    EXPECT_EQ(Messages(), row.messages);
    for (const RecordedMessage& m : run_.messages().messages())
      EXPECT_EQ(m.icon, row.pretended != 0 ? MessageIcon::Stop : MessageIcon::Information);
    EXPECT_TRUE(s.progress == row.progress && input::UndoSteps(doc_) == row.steps) << row.text;
    EXPECT_TRUE(CheckDocument(*doc_).empty() && IsWindow(g_shell.frame));
    // An empty replacement is not kept.
    EXPECT_TRUE(g_settings.findHistory == PatternHistory{{0x41}} && g_settings.findstat == 27 &&
                g_settings.replaceHistory.size() == (row.with.empty() ? 0u : 1u));
    Command(IDM_UNDO);
    EXPECT_EQ(DocumentBytes(view_), row.afterUndo);
    EXPECT_EQ(s.shown, row.answers.empty() ? "" : "41|A||42|B||00000002 ... 00000002 (00000001)|大/小文字を区別する|"
                                                  "全/半角を区別する|下|");
    run_.Close();
  }
}

}  // namespace
