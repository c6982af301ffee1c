// The state the document windows share.
#include "hexview/view_state_win.h"

ViewState g_view;

void ResetViewState() { g_view = ViewState{}; }
