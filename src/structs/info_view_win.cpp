// The information view window.
#include "structs/info_view_win.h"

LRESULT CALLBACK InfoViewWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

namespace {
InfoViewPrinter g_infoViewPrinter = nullptr;
}  // namespace

void SetInfoViewPrinter(InfoViewPrinter printer) { g_infoViewPrinter = printer; }

const InfoViewState* InfoViewStateOf(HWND) { return nullptr; }
