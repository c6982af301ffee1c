// Find, Find Next and Replace on a document window.
#include "search/search_commands_win.h"

#include <new>

#include "core/display_types.h"
#include "core/document.h"
#include "core/messages.h"
#include "core/user_message.h"
#include "hexview/commands/edit_view_win.h"
#include "hexview/commands/view_command_table_win.h"
#include "hexview/commands/view_menus_win.h"
#include "hexview/hex_view_win.h"
#include "hexview/render/view_paint_win.h"
#include "resources/resource_ids.h"
#include "search/confirm_dialog_win.h"
#include "search/find_dialog_win.h"
#include "search/replace_dialog_win.h"
#include "search/search_history.h"
#include "search/search_options.h"
#include "search/search_state.h"
#include "search/search_texts.h"
#include "search/search_view_win.h"
#include "shell/dialog_win.h"
#include "shell/process_state.h"
#include "shell/progress_dialog_win.h"
#include "shell/shell.h"

namespace {

// Enters pattern into history. Running out of memory there ends the program.
bool EnterHistory(PatternHistory& history, const ByteSequence& pattern) {
  try {
    EnterPatternHistory(history, pattern.bytes, pattern.count);
    return true;
  } catch (const std::bad_alloc&) {
    FailAndDestroyFrame(kMsgNoMemory);
    return false;
  }
}

PatternNumberFormat FormatOf(const Document& doc) { return PatternNumberFormatFor(DataRadixOf(doc.options)); }

// The document of view when a command may start on it: not during a long operation.
Document* DocumentToSearch(HWND view) { return LongOperationRunning() ? nullptr : DocumentOf(view); }

// The search of Find and Find Next, then the not-found message when it ran to
// its end without finding anything (not after an abort or a failure).
void FindAndReport(HWND view, Document& doc, int options) {
  Searcher searcher(CurrentSearchPattern(), options);
  const SearchResult result = SearchInView(view, searcher);
  if (DocumentOf(view) != &doc) return;
  if (result.status == SearchStatus::kNotFound) ShowNotFound(view, CurrentSearchPattern(), FormatOf(doc));
  RefreshMenuState(&doc);
}

void Find(HWND view) {
  Document* doc = DocumentToSearch(view);
  if (doc == nullptr) return;
  FindRequest request = FindRequestFor(*doc, g_settings.findstat);
  if (FindDialog(view, request) != kDialogOk || DocumentOf(view) != doc) return;
  SetCurrentSearchPattern(request.pattern);
  if (RefreshMenuState(doc) != 0) return;
  g_settings.findstat = WithFindOptions(g_settings.findstat, request.options);
  if (!EnterHistory(g_settings.findHistory, request.pattern)) return;
  FindAndReport(view, *doc, request.options);
}

// Shift held searches upward this once; the stored direction stays.
void FindNext(HWND view) {
  Document* doc = DocumentToSearch(view);
  if (doc == nullptr) return;
  FindAndReport(view, *doc, FindNextOptions(g_settings.findstat, GetKeyState(VK_SHIFT) < 0));
}

// The window's side of the replace loop: each occurrence is shown before the
// question about it, and the edits reach the window while this remembers what
// the window shows (the loop's searches move the selection behind its back).
class ReplaceInWindow final : public ReplaceQuestions, public EditView {
 public:
  ReplaceInWindow(HWND view, Document& doc) : view_(view), window_(EditViewOf(view)), shown_(CaretStateOf(doc)) {}

  int Confirm(const ReplaceConfirm& info) override {
    ShowSearchSelection(view_, shown_);
    if (Document* doc = DocumentOf(view_)) shown_ = CaretStateOf(*doc);
    return ConfirmReplace(view_, info);
  }

  void ContentChanged(Document& doc, const EditChange& change) override {
    // A selection the window shows that the loop has dropped since.
    if (shown_.anchor != -1) InvalidateRange(view_, shown_.anchor, shown_.caret);
    if (window_ != nullptr) window_->ContentChanged(doc, change);
    shown_ = CaretStateOf(doc);
  }

  void MenuStateChanged(Document& doc) override {
    if (window_ != nullptr) window_->MenuStateChanged(doc);
  }

  const CaretState& shown() const { return shown_; }

 private:
  HWND view_;
  EditView* window_;
  CaretState shown_;
};

void ShowReplaceOutcome(HWND view, const ReplaceRequest& request, const ReplaceOutcome& outcome) {
  if (outcome.showNotFound) {
    ShowNotFound(view, request.pattern, {request.radix, request.width, request.signedFlag != 0});
  } else if (outcome.showSummary) {
    ShowMessage(ReplacedCountText(outcome.replaced).c_str(), MessageIcon::Information, MessageButtons::Ok, view);
  }
}

void Replace(HWND view) {
  Document* doc = DocumentToSearch(view);
  if (doc == nullptr) return;
  ReplaceRequest request = ReplaceRequestFor(*doc, g_settings.findstat);
  const int mode = ReplaceDialog(view, request);
  if ((mode != kReplaceAsking && mode != kReplaceAll) || DocumentOf(view) != doc) return;
  g_settings.findstat = WithReplaceOptions(g_settings.findstat, request.options);
  if (!EnterHistory(g_settings.findHistory, request.pattern)) return;
  if (request.replacement.count > 0 && !EnterHistory(g_settings.replaceHistory, request.replacement)) return;

  ReplaceInWindow window(view, *doc);
  DialogProgress progress;
  HideCaret(view);
  const ReplaceOutcome outcome = RunReplace(*doc, request, mode, window, &window, progress);
  if (DocumentOf(view) == doc) ShowSearchSelection(view, window.shown());
  ShowCaret(view);
  if (DocumentOf(view) != doc) return;
  ShowReplaceOutcome(view, request, outcome);
  RefreshMenuState(doc);
}

bool HasSearchPattern(const Document&) { return CurrentSearchPattern().count > 0; }

}  // namespace

void RegisterSearchCommands() {
  RegisterViewCommand(IDM_FIND, {Find, nullptr});
  RegisterViewCommand(IDM_FINDNEXT, {FindNext, HasSearchPattern});
  RegisterViewCommand(IDM_REPLACE, {Replace, nullptr});
}
