// The document window's side of a search: the selection dropped at once, the
// progress dialog, the match shown as the selection, and the not-found message.
#pragma once

#include <windows.h>

#include "hexview/input/caret_motion.h"
#include "search/pattern_forms.h"
#include "search/search.h"

// Searches view's document from its caret toward its anchor (Search) with the
// progress dialog. The selection is repainted as dropped before the search
// starts; a match becomes the selection, shown as ShowSearchSelection shows it.
// kFailed without a document.
SearchResult SearchInView(HWND view, Searcher& searcher);

// Brings view up to date with its document's caret and selection after searches
// changed them behind its back while it showed `shown`: the cells whose selection
// changed are repainted; a selection (a match) is scrolled into view by
// ScrollToShowMatch; caret, status line and menu state follow (MoveCaretTo).
// Returns 0, or -1 after a reported failure.
int ShowSearchSelection(HWND view, const CaretState& shown);

// The not-found message for pattern (information icon), in the form of view's
// active column: numbers in format, ANSI text, or UTF-16 text in a wide message box.
void ShowNotFound(HWND view, const ByteSequence& pattern, const PatternNumberFormat& format);
