// The document window: owns its Document from creation to destruction.
#include "hexview/hex_view_win.h"

#include "app/app_state.h"
#include "app/shell.h"
#include "app/window_titles_win.h"
#include "core/document.h"
#include "hexview/menu_state_win.h"
#include "hexview/save_win.h"
#include "hexview/view_commands_win.h"

namespace {

LRESULT DefaultProc(HWND view, UINT message, WPARAM wParam, LPARAM lParam) {
  return g_shell.unicodeViews ? DefMDIChildProcW(view, message, wParam, lParam)
                              : DefMDIChildProcA(view, message, wParam, lParam);
}

LRESULT OnCreate(HWND view, const CREATESTRUCTA* create) {
  auto* mdi = static_cast<const MDICREATESTRUCTA*>(create->lpCreateParams);
  auto* doc = reinterpret_cast<Document*>(mdi->lParam);
  SetWindowLongPtrA(view, 0, reinterpret_cast<LONG_PTR>(doc));
  return 0;
}

LRESULT OnDestroy(HWND view) {
  Document* doc = DocumentOf(view);
  if (doc != nullptr) TidyTitlesAfterClose(view, doc->path);
  g_settings.zoomed = IsZoomed(view) ? 1 : 0;
  SetWindowLongPtrA(view, 0, 0);
  FreeDocument(doc);
  return 0;
}

LRESULT OnPaint(HWND view) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(view, &ps);
  FillRect(dc, &ps.rcPaint, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
  EndPaint(view, &ps);
  return 0;
}

LRESULT OnMdiActivate(HWND view, HWND activated) {
  RefreshMenuState(activated == view ? DocumentOf(view) : nullptr);
  return 0;
}

}  // namespace

Document* DocumentOf(HWND view) { return reinterpret_cast<Document*>(GetWindowLongPtrA(view, 0)); }

HWND ActiveDocumentWindow() {
  if (g_shell.mdiClient == nullptr) return nullptr;
  return reinterpret_cast<HWND>(SendMessageA(g_shell.mdiClient, WM_MDIGETACTIVE, 0, 0));
}

void RefreshActiveStatus() {}

LRESULT CALLBACK HexViewWindowProc(HWND view, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: return OnCreate(view, reinterpret_cast<const CREATESTRUCTA*>(lParam));
    case WM_DESTROY: return OnDestroy(view);
    case WM_PAINT: return OnPaint(view);
    case WM_MDIACTIVATE:
      OnMdiActivate(view, reinterpret_cast<HWND>(lParam));
      return DefaultProc(view, message, wParam, lParam);
    case WM_COMMAND: OnViewCommand(view, LOWORD(wParam)); return 0;
    case WM_CLOSE:
      if (!ConfirmClose(view)) return 0;
      return DefaultProc(view, message, wParam, lParam);
    case WM_QUERYENDSESSION: return ConfirmClose(view) ? TRUE : FALSE;
    default: return DefaultProc(view, message, wParam, lParam);
  }
}

LRESULT CALLBACK BarWindowProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(bar, message, wParam, lParam);
}
