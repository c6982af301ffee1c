// The document window: owns its HexView record and Document from creation to
// destruction; its messages go to the painting, scrolling, input and command
// handlers.
#include "hexview/hex_view_win.h"

#include <windowsx.h>

#include <new>

#include "core/document.h"
#include "core/messages.h"
#include "core/user_message.h"
#include "hexview/commands/save_win.h"
#include "hexview/commands/view_commands_win.h"
#include "hexview/commands/view_menus_win.h"
#include "hexview/input/caret_win.h"
#include "hexview/input/char_input_win.h"
#include "hexview/input/key_input_win.h"
#include "hexview/input/mouse_input_win.h"
#include "hexview/render/view_paint_win.h"
#include "hexview/render/view_resources_win.h"
#include "hexview/render/view_scroll_win.h"
#include "hexview/window_titles_win.h"
#include "shell/menu_bar_win.h"
#include "shell/process_state.h"
#include "shell/shell.h"

namespace {

LRESULT DefaultProc(HWND view, UINT message, WPARAM wParam, LPARAM lParam) {
  return g_shell.unicodeViews ? DefMDIChildProcW(view, message, wParam, lParam)
                              : DefMDIChildProcA(view, message, wParam, lParam);
}

// Undoes a failed creation: the window owns the document from WM_CREATE on, so it
// frees it here; the creator then reports that the window could not be made.
LRESULT FailCreate(HWND window, HexView* view, const char* text) {
  g_shell.viewCreationReported = true;
  ShowMessage(text, MessageIcon::Stop, MessageButtons::Ok, g_shell.mdiClient);
  SetWindowLongPtrA(window, 0, 0);
  DeleteViewObjects(*view, window);
  FreeDocument(view->doc);
  delete view;
  return -1;
}

LRESULT OnCreate(HWND window, const CREATESTRUCTA* create) {
  auto* mdi = static_cast<const MDICREATESTRUCTA*>(create->lpCreateParams);
  auto* doc = reinterpret_cast<Document*>(mdi->lParam);
  auto* view = new (std::nothrow) HexView;
  if (view == nullptr) {
    FreeDocument(doc);
    g_shell.viewCreationReported = true;
    ShowMessage(kMsgNoMemory, MessageIcon::Stop, MessageButtons::Ok, g_shell.mdiClient);
    return -1;
  }
  view->doc = doc;
  view->editView = WindowEditView(window);
  SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(view));
  if (!CreateMarkBars(window, *view)) return FailCreate(window, view, kMsgCannotCreateWindow);
  if (const char* failure = CreateViewObjects(window, *view)) return FailCreate(window, view, failure);
  SetDocumentWindowIcons(window, doc->path);
  return 0;
}

LRESULT OnDestroy(HWND window) {
  HexView* view = HexViewOf(window);
  Document* doc = view != nullptr ? view->doc : nullptr;
  if (doc != nullptr) TidyTitlesAfterClose(window, doc->path);
  if (view != nullptr) DeleteViewObjects(*view, window);
  DestroyDocumentWindowIcons(window);
  g_settings.zoomed = IsZoomed(window) ? 1 : 0;
  SetWindowLongPtrA(window, 0, 0);
  FreeDocument(doc);
  delete view;
  return 0;
}

}  // namespace

Document* DocumentOf(HWND view) {
  HexView* record = HexViewOf(view);
  return record != nullptr ? record->doc : nullptr;
}

HWND ActiveDocumentWindow() {
  if (g_shell.mdiClient == nullptr) return nullptr;
  return reinterpret_cast<HWND>(SendMessageA(g_shell.mdiClient, WM_MDIGETACTIVE, 0, 0));
}

LRESULT CALLBACK HexViewWindowProc(HWND view, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: return OnCreate(view, reinterpret_cast<const CREATESTRUCTA*>(lParam));
    case WM_DESTROY: return OnDestroy(view);
    case WM_PAINT: OnPaintView(view); return 0;
    case WM_SIZE:
      OnViewSize(view, LOWORD(lParam), HIWORD(lParam));
      return DefaultProc(view, message, wParam, lParam);
    case WM_SETFOCUS: OnViewSetFocus(view); return 0;
    case WM_KILLFOCUS: OnViewKillFocus(view); return 0;
    case WM_VSCROLL: OnViewVScroll(view, LOWORD(wParam)); return 0;
    case WM_HSCROLL: OnViewHScroll(view, LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_MOUSEWHEEL: OnViewWheel(view, GET_WHEEL_DELTA_WPARAM(wParam)); return 0;
    case WM_KEYDOWN: OnViewKeyDown(view, static_cast<UINT>(wParam)); return 0;
    case WM_CHAR: OnViewChar(view, static_cast<unsigned>(wParam), IsWindowUnicode(view) != FALSE); return 0;
    case WM_LBUTTONDOWN:
      OnViewLButtonDown(view, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), static_cast<UINT>(wParam));
      return 0;
    case WM_MOUSEMOVE:
      OnViewMouseMove(view, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), static_cast<UINT>(wParam));
      return 0;
    case WM_LBUTTONUP: OnViewLButtonUp(view); return 0;
    case WM_CONTEXTMENU: ShowViewContextMenu(view, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;
    case WM_MENUSELECT: ShowMenuHelp(g_shell.frame, wParam, lParam); return 0;
    case WM_MDIACTIVATE:
      OnViewMdiActivate(view, reinterpret_cast<HWND>(lParam));
      return DefaultProc(view, message, wParam, lParam);
    case WM_COMMAND: OnViewCommand(view, LOWORD(wParam)); return 0;
    case WM_CLOSE:
      if (!ConfirmClose(view)) return 0;
      return DefaultProc(view, message, wParam, lParam);
    case WM_QUERYENDSESSION: return ConfirmClose(view) ? TRUE : FALSE;
    default: return DefaultProc(view, message, wParam, lParam);
  }
}

bool IsDocumentWindow(HWND window) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  return lstrcmpA(name, kDocumentClassName) == 0;
}
