// Running a search on a document window and showing what it found.
#include "search/search_view_win.h"

#include "core/document.h"
#include "core/user_message.h"
#include "hexview/hex_view_win.h"
#include "hexview/input/caret_geometry.h"
#include "hexview/input/caret_win.h"
#include "hexview/render/view_paint_win.h"
#include "search/match_scroll.h"
#include "search/search_texts.h"
#include "shell/progress_dialog_win.h"

SearchResult SearchInView(HWND view, Searcher& searcher) {
  Document* doc = DocumentOf(view);
  if (doc == nullptr) return {SearchStatus::kFailed, -1, 0};
  const int32_t caret = doc->caret, anchor = doc->anchor;
  CaretState shown = CaretStateOf(*doc);
  HideCaret(view);
  if (shown.anchor != -1) {
    InvalidateRange(view, shown.anchor, shown.caret);
    doc->anchor = shown.anchor = -1;
  }
  DialogProgress progress;
  const SearchResult result = Search(*doc, caret, anchor, searcher, progress);
  if (DocumentOf(view) == doc) ShowSearchSelection(view, shown);
  ShowCaret(view);
  return result;
}

int ShowSearchSelection(HWND view, const CaretState& shown) {
  Document* doc = DocumentOf(view);
  if (doc == nullptr) return 0;
  CaretState to = CaretStateOf(*doc);
  if (to.anchor != -1) {
    const ViewMetrics m = MetricsOf(*doc);
    const MatchScroll scroll = ScrollToShowMatch(
        {m.digits, m.bytesPerLine, m.pageColumns, m.pageLines, m.lineCount, m.scrollColumn, m.scrollLine}, to.caret,
        to.activeColumn);
    to.scrollColumn = scroll.column;
    to.scrollLine = scroll.line;
  }
  CaretState from = shown;
  from.scrollColumn = doc->scrollColumn;
  from.scrollLine = doc->scrollLine;
  ApplyCaretState(*doc, from);
  return MoveCaretTo(view, to);
}

void ShowNotFound(HWND view, const ByteSequence& pattern, const PatternNumberFormat& format) {
  const Document* doc = DocumentOf(view);
  const int column = doc != nullptr ? doc->activeColumn : 0;
  if (column == 2) {
    ShowWideMessage(NotFoundTextWide(pattern).c_str(), MessageIcon::Information, MessageButtons::Ok, view);
  } else {
    ShowMessage(NotFoundText(pattern, column, format).c_str(), MessageIcon::Information, MessageButtons::Ok, view);
  }
}
