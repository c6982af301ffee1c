// The find dialog (template 6).
#pragma once

#include <windows.h>

#include "search/search_requests.h"

// Runs the find dialog for view over request (options, number format and focus
// field filled by the caller; the find history is listed), as a Unicode dialog
// where the system has one. Returns 1 (OK: request holds the pattern, never
// empty, and the options) or 2 (cancelled, or a failure was reported).
int FindDialog(HWND view, FindRequest& request);
