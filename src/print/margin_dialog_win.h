// The right-margin dialog (template 1): the cells one printed line holds.
#pragma once

#include <windows.h>

#include "print/right_margin.h"

// Asks for the right margin, owned by owner: the edit box opens with
// request.value limited to request.minimum .. request.maximum, OK is enabled
// exactly while it holds a number in that range, the spin steps it by one.
// Returns kDialogOk with request.value set to the number entered, or
// kDialogCancel (request unchanged) when cancelled or when the dialog failed
// (the failure was reported).
INT_PTR AskRightMargin(HWND owner, MarginRequest& request);
