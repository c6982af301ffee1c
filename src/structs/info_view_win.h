// The information view ("INFOClass"): a structure template laid over the bytes at the caret.
#pragma once

#include <windows.h>

#include "structs/info_view_model.h"

// Messages the view takes besides the standard ones.
inline constexpr UINT kInfoAttach = WM_USER;              // lParam: the hex view whose document to show
inline constexpr UINT kInfoSelectTemplate = WM_USER + 1;  // wParam: combo box item

LRESULT CALLBACK InfoViewWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Prints what the view shows (its rows over its document, read through
// InfoViewStateOf). Command 106 of the view calls it; while none is set the
// view's print button is disabled and the command does nothing.
using InfoViewPrinter = void (*)(HWND infoView);
void SetInfoViewPrinter(InfoViewPrinter printer);

// The state of the information view window infoView (rows, widths, current row,
// the shown document), or null for any other window. Valid until the view
// changes; read it, do not keep it.
const InfoViewState* InfoViewStateOf(HWND infoView);

// Puts the view's process state back to its start (no printer, not yet placed).
void ResetInfoViewState();
