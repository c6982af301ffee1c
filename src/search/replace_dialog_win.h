// The replace dialog (template 7).
#pragma once

#include <windows.h>

#include "search/search_requests.h"

// Runs the replace dialog for view over request (options, number format and
// focus field filled by the caller; the find history is listed for the search
// pattern, the replace history for the replacement), as a Unicode dialog where
// the system has one. Returns kReplaceAsking (1, "置換(&R)") or kReplaceAll (109,
// "すべて置換(&A)"), the request then holding the pattern (never empty), the
// replacement (may be empty) and the options; or 2 (cancelled, or a failure
// was reported).
int ReplaceDialog(HWND view, ReplaceRequest& request);
