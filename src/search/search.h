// One search of a document as the find commands and the replace loop run it:
// the stretch it covers, the progress run around it, and the match becoming the
// selection. Showing the caret and scrolling to the match are left to the view.
#pragma once

#include <cstdint>

#include "core/document.h"
#include "core/messages.h"
#include "core/progress.h"
#include "search/search_pacer.h"
#include "search/searcher.h"

// Where a search runs: from `from` toward `bound` (see Searcher::Find).
struct SearchStretch {
  int32_t from;
  int32_t bound;
  bool limited;     // the caller's selection limits the search
  bool readFailed;  // the selection's bytes could not be read
};

// The stretch of a search called with a (the caret) and b (the far end of the
// caller's selection, or -1). A selection of 1..255 bytes that begins with the
// pattern is taken as the previous match and does not limit the search; an empty
// one is no selection. Without a limiting selection the search runs from the
// caret to offset 0 (upward option) or to the end. A limiting selection is
// searched from a toward b whatever the direction option says.
SearchStretch ResolveSearchStretch(Document& doc, int32_t a, int32_t b, const Searcher& searcher);

enum class SearchStatus {
  kFound,     // the match is the selection
  kNotFound,  // nothing is selected
  kAborted,   // the user aborted; nothing is selected
  kFailed,    // a failure was reported (see Search)
};

// The match after kFound: offset and length (also as anchor and caret in doc).
struct SearchResult {
  SearchStatus status;
  int32_t offset;
  int32_t length;
};

// The whole search of the find commands: drops the selection (anchor -1),
// resolves the stretch of a and b, runs the progress dialog with kMsgSearching and
// scans with the given clock (see SearchOver). A selection that cannot be read is
// reported ("ﾃﾞｰﾀを取得できません。", stop icon) and gives kFailed.
SearchResult Search(Document& doc, int32_t a, int32_t b, Searcher& searcher, Progress& progress,
                    PaceClock& clock = SystemPaceClock());

// Searches a resolved stretch with a progress run of its own. Drops the
// selection first. A match becomes the selection with digitIndex 0: caret after
// it and anchor at its start when the upward option is clear, caret at its start
// and anchor after it when set, so a repeated search moves past it. A progress
// dialog that cannot be created ("ﾓｰﾄﾞﾚｽﾀﾞｲｱﾛｸﾞﾎﾞｯｸｽを作成できません") or closed
// ("ｳｲﾝﾄﾞｳを破棄できません"; a match is then dropped) is reported with the warning
// icon and gives kFailed.
SearchResult SearchOver(Document& doc, const SearchStretch& stretch, Searcher& searcher, Progress& progress,
                        PaceClock& clock = SystemPaceClock());

// The same inside a progress run the caller began and ends (the replace loop
// runs all its searches in one): no dialog is made or closed here.
SearchResult SearchOver(Document& doc, const SearchStretch& stretch, Searcher& searcher, SearchPacer& pacer);
