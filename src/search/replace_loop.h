// The replace command after its dialog: find each occurrence, ask about it or
// not, replace it as one undoable edit, and say how it ended.
#pragma once

#include <cstdint>

#include "core/document.h"
#include "core/edit.h"
#include "core/progress.h"
#include "search/search_pacer.h"
#include "search/search_requests.h"

// How the replace dialog ended: replace asking about each occurrence, or all.
inline constexpr int kReplaceAsking = 1;
inline constexpr int kReplaceAll = 109;

// Answers of the confirmation dialog.
enum ConfirmAnswer : int {
  kConfirmCancel = 2,
  kConfirmReplace = 6,
  kConfirmNext = 7,
  kConfirmAll = 101,
};

// What the confirmation dialog shows: the bytes matched (they can differ from
// the pattern in case and width), the replacement, the options and formats, and
// the ends of the match.
struct ReplaceConfirm {
  int32_t matchCount = 0;
  uint8_t match[256] = {};
  ByteSequence replacement;
  int32_t options = 0;
  int32_t radix = 16;
  int32_t width = -2;
  int32_t signedFlag = 0;
  int32_t addressRadix = 0;
  int32_t anchor = 0;
  int32_t caret = 0;
};

// The question asked about each occurrence. Tests answer it from a script.
class ReplaceQuestions {
 public:
  virtual ~ReplaceQuestions() = default;
  // Called with the occurrence selected in the document (anchor and caret as in
  // info); the view is expected to show it before asking. Returns a ConfirmAnswer;
  // any other value counts as kConfirmCancel.
  virtual int Confirm(const ReplaceConfirm& info) = 0;
};

struct ReplaceOutcome {
  int found = 0;             // occurrences found
  int replaced = 0;          // replacements made without asking (after "all")
  bool failed = false;       // a search or an edit failed and was reported; nothing more to show
  bool aborted = false;      // the user aborted a search
  bool showNotFound = false; // nothing was found: show the not-found message (ShowNotFound)
  bool showSummary = false;  // show ReplacedCountText(replaced) (information icon)
};

// Runs the loop for the request on doc. mode is kReplaceAsking or kReplaceAll.
// The selection limits the loop when it would limit a search from the caret
// (ResolveSearchStretch with caret and anchor): it is then searched from its near
// end in the search direction to its far end, which moves with the
// replacements, and the loop never leaves it. Otherwise every search runs from
// the caret to the end (or the start) of the document. Either way the loop moves
// away from what it replaced and never searches a replacement again.
// Every replacement is ReplaceSelection (caret before the inserted bytes when
// upward, after them otherwise, inserted bytes selected) plus CommitStep: one
// undo step each. Asking, each search shows its own progress dialog and view
// gets each change as it happens. Replacing all (from the start, or from an
// answer kConfirmAll on), one progress run covers every search and view is told
// once at the end (see BatchedEditView). view may be null. Afterwards the caller
// shows the caret and selection, refreshes the menu and shows the outcome's message.
ReplaceOutcome RunReplace(Document& doc, const ReplaceRequest& request, int mode, ReplaceQuestions& questions,
                          EditView* view, Progress& progress, PaceClock& clock = SystemPaceClock());
