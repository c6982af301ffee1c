// The confirmation dialog of the replace loop (template 8, caption "置換").
#pragma once

#include <windows.h>

#include "search/replace_loop.h"

// Asks about the occurrence described by info: shows the bytes matched and the
// replacement in three forms, the range and the options. The dialog opens where
// it was last closed in this run (g_search), and each button stores its place
// before ending it. Returns kConfirmReplace, kConfirmNext, kConfirmAll or
// kConfirmCancel (also after a reported failure).
int ConfirmReplace(HWND view, const ReplaceConfirm& info);
