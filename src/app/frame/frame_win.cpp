// The frame: creation of its children, layout, commands, files from outside,
// the clipboard-viewer chain, closing and destruction.
#include "app/frame/frame_win.h"

#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <utility>
#include <vector>

#include "app/documents/open_dialog_win.h"
#include "app/documents/open_document_win.h"
#include "app/frame/about_dialog_win.h"
#include "app/frame/history_commands_win.h"
#include "app/frame/menus_win.h"
#include "app/frame/toolbar_win.h"
#include "app/settings/settings_win.h"
#include "app/startup/window_classes_win.h"
#include "core/messages.h"
#include "core/text_limits.h"
#include "core/user_message.h"
#include "filetypes/file_type_list_dialog_win.h"
#include "hexview/hex_view_win.h"
#include "imageview/image_view_win.h"
#include "resources/resource_ids.h"
#include "shell/file_history_win.h"
#include "shell/menu_bar_win.h"
#include "shell/process_state.h"
#include "shell/progress_dialog_win.h"
#include "shell/shell.h"
#include "structs/structure_commands_win.h"

namespace {

constexpr int kToolbarId = 1;
constexpr int kStatusBarId = 2;
constexpr int kMdiClientId = 3;
constexpr int kWindowMenuPosition = 4;

// Reports a failure during creation, owned by the frame, and ends creation.
LRESULT FailCreate(HWND frame, const char* text) {
  g_shell.frameCreationReported = true;
  ShowMessage(text, MessageIcon::Stop, MessageButtons::Ok, g_shell.mdiClient ? g_shell.mdiClient : frame);
  return -1;
}

LRESULT OnCreate(HWND frame) {
  g_shell.frame = frame;
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  LoadImeEntry();
  g_shell.nextClipboardViewer = SetClipboardViewer(frame);

  g_shell.toolbar = CreateFrameToolbar(frame);
  if (g_shell.toolbar == nullptr) return FailCreate(frame, kMsgCannotCreateToolbar);

  g_shell.statusBar = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                                      frame, reinterpret_cast<HMENU>(kStatusBarId), g_shell.instance, nullptr);
  if (g_shell.statusBar == nullptr) return FailCreate(frame, kMsgCannotCreateStatusBar);

  CLIENTCREATESTRUCT ccs = {};
  ccs.hWindowMenu = GetSubMenu(GetMenu(frame), kWindowMenuPosition);
  ccs.idFirstChild = IDM_WINDOW_FIRST;
  g_shell.mdiClient =
      CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL, 0, 0,
                      0, 0, frame, reinterpret_cast<HMENU>(kMdiClientId), g_shell.instance, &ccs);
  if (g_shell.mdiClient == nullptr) return FailCreate(frame, kMsgCannotCreateWindow);

  g_shell.infoView =
      CreateWindowExA(0, kInfoViewClassName, "", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX, 0,
                      0, 0, 0, frame, nullptr, g_shell.instance, nullptr);
  const SIZE image = ImageViewWindowSize();
  g_shell.imageView = CreateWindowExA(0, kImageViewClassName, "", kImageViewStyle, 0, 0, image.cx, image.cy, frame,
                                      nullptr, g_shell.instance, nullptr);
  if (g_shell.infoView == nullptr || g_shell.imageView == nullptr) return FailCreate(frame, kMsgCannotCreateWindow);

  g_shell.dragListMessage = RegisterWindowMessageA("commctrl_DragListMsg");
  if (g_shell.dragListMessage == 0) return FailCreate(frame, kMsgCannotRegisterMessage);

  if (!CreateSystemBrushes()) return FailCreate(frame, kMsgCannotCreateBrush);

  // The steps below report their own failures and destroy the frame.
  g_shell.frameCreationReported = true;
  g_shell.editPopupMenu = CreateEditPopupMenu();
  if (g_shell.editPopupMenu == nullptr) return -1;
  if (AttachMenuBitmaps(frame) != 0) return -1;
  if (AddInformationButton(g_shell.toolbar) != 0) return -1;
  g_shell.frameCreationReported = false;
  return 0;
}

LRESULT OnSize(int width, int height) {
  if (g_shell.toolbar == nullptr || g_shell.statusBar == nullptr || g_shell.mdiClient == nullptr) return 0;
  SendMessageA(g_shell.toolbar, TB_AUTOSIZE, 0, 0);
  RECT toolbar, status;
  if (!GetWindowRect(g_shell.toolbar, &toolbar) || !GetWindowRect(g_shell.statusBar, &status)) {
    FailAndDestroyFrame(kMsgCannotGetWindowSize);
    return 0;
  }
  int t = toolbar.bottom - toolbar.top;
  int s = status.bottom - status.top;
  if (!MoveWindow(g_shell.statusBar, 0, height - s, width, s, TRUE) ||
      !MoveWindow(g_shell.mdiClient, 0, t, width, height - s - t, TRUE)) {
    FailAndDestroyFrame(kMsgCannotMoveWindow);
  }
  return 0;
}

LRESULT OnSysColorChange(HWND frame, WPARAM wParam, LPARAM lParam) {
  if (!DeleteSystemBrushes()) {
    FailAndDestroyFrame(kMsgCannotDeleteBrush);
    return 0;
  }
  RefreshSystemColorValues();
  if (!CreateSystemBrushes()) {
    FailAndDestroyFrame(kMsgCannotCreateBrush);
    return 0;
  }
  if (g_shell.toolbar) SendMessageA(g_shell.toolbar, WM_SYSCOLORCHANGE, wParam, lParam);
  return DefFrameProcA(frame, g_shell.mdiClient, WM_SYSCOLORCHANGE, wParam, lParam);
}

// Asks every document window whether it may close; closes those that agree.
// False when one refused.
bool CloseAllDocuments() {
  for (;;) {
    HWND target = nullptr;
    for (HWND child = GetWindow(g_shell.mdiClient, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      if (IsDocumentWindow(child)) {
        target = child;
        break;
      }
    }
    if (target == nullptr) return true;
    if (IsIconic(target)) SendMessageA(g_shell.mdiClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(target), 0);
    if (SendMessageA(target, WM_QUERYENDSESSION, 0, 0) == 0) return false;
    SendMessageA(g_shell.mdiClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(target), 0);
  }
}

LRESULT OnClose(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
  // Documents are being read or written: the session may not end under them, and
  // a close waits until the operation is over.
  if (LongOperationRunning()) {
    if (message == WM_QUERYENDSESSION) return FALSE;
    QueueWork({QueuedWork::Close, {}, 0});
    return 0;
  }
  CloseAllDocuments();
  if (SendMessageA(g_shell.mdiClient, WM_MDIGETACTIVE, 0, 0) != 0) return 0;
  if (message == WM_QUERYENDSESSION) return TRUE;
  return DefFrameProcA(frame, g_shell.mdiClient, message, wParam, lParam);
}

LRESULT OnDestroy(HWND frame) {
  SaveProgramSettings(frame, FileHistoryPaths(frame));
  ChangeClipboardChain(frame, g_shell.nextClipboardViewer);
  if (!DeleteMenuBitmaps()) ShowMessage(kMsgCannotDeleteBitmap, MessageIcon::Warning, MessageButtons::Ok, frame);
  if (!DeleteSystemBrushes()) ShowMessage(kMsgCannotDeleteBrush, MessageIcon::Warning, MessageButtons::Ok, frame);
  if (g_shell.editPopupMenu != nullptr && !DestroyMenu(g_shell.editPopupMenu))
    ShowMessage(kMsgCannotDestroyMenu, MessageIcon::Warning, MessageButtons::Ok, frame);
  g_shell.editPopupMenu = nullptr;
  FreeImeEntry();
  g_shell.frame = nullptr;
  g_shell.toolbar = g_shell.statusBar = g_shell.mdiClient = nullptr;
  g_shell.infoView = g_shell.imageView = nullptr;
  PostQuitMessage(0);
  return 0;
}

void CloseActiveDocument() {
  HWND active = ActiveDocumentWindow();
  if (active == nullptr) return;
  if (SendMessageA(active, WM_QUERYENDSESSION, 0, 0) != 0)
    SendMessageA(g_shell.mdiClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(active), 0);
}

void ShowHelp() {
  if (!WinHelpA(g_shell.mdiClient, "VARNEL.HLP", HELP_FORCEFILE, 0))
    ShowMessage(kMsgCannotOpenHelp, MessageIcon::Warning, MessageButtons::Ok, g_shell.mdiClient);
}

void ArrangeWindows(UINT message, WPARAM how) {
  SendMessageA(g_shell.mdiClient, message, how, 0);
  RefreshActiveStatus();
}

LRESULT OnCommand(HWND frame, WPARAM wParam, LPARAM lParam) {
  int id = LOWORD(wParam);
  // A menu or accelerator command that reaches the frame during a long operation
  // waits for it; nothing may start or change a document meanwhile.
  if (LongOperationRunning()) {
    if (lParam == 0) QueueWork({QueuedWork::Command, {}, wParam});
    return 0;
  }
  switch (id) {
    case IDM_NEW: OpenDocument(nullptr); return 0;
    case IDM_OPEN: RunOpenDialog(); return 0;
    case IDM_CLOSE: CloseActiveDocument(); return 0;
    case IDM_EXIT: SendMessageA(frame, WM_CLOSE, 0, 0); return 0;
    case IDM_HISTORYCOUNT: RunHistoryCountDialog(frame); return 0;
    case IDM_STRUCTURES: RunStructuresCommand(); return 0;
    case IDM_FILETYPES: FileTypeListDialog(g_shell.mdiClient); return 0;
    case IDM_TILEHORZ: ArrangeWindows(WM_MDITILE, MDITILE_HORIZONTAL); return 0;
    case IDM_TILEVERT: ArrangeWindows(WM_MDITILE, MDITILE_VERTICAL); return 0;
    case IDM_CASCADE: ArrangeWindows(WM_MDICASCADE, 0); return 0;
    case IDM_HELPTOPICS: ShowHelp(); return 0;
    case IDM_ABOUT: RunAboutDialog(); return 0;
    default: break;
  }
  if (id >= IDM_HISTORY_FIRST && id < IDM_HISTORY_FIRST + 100) {
    OpenHistoryEntry(frame, id);
    return 0;
  }
  if (HWND active = ActiveDocumentWindow()) SendMessageA(active, WM_COMMAND, wParam, lParam);
  return DefFrameProcA(frame, g_shell.mdiClient, WM_COMMAND, wParam, lParam);
}

// Opens a file from outside now, or after the long operation that runs. Returns
// OpenDocument's result (0 when queued).
int OpenFromOutside(const char* path) {
  if (LongOperationRunning()) {
    QueueWork({QueuedWork::Open, path, 0});
    return 0;
  }
  return OpenDocument(path);
}

LRESULT OnDropFiles(HWND frame, HDROP drop) {
  SetForegroundWindow(frame);
  UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    char path[kTextBufferSize] = {};
    if (DragQueryFileA(drop, i, path, kMaxTextLength + 1) == 0) continue;
    if (OpenFromOutside(path) != 0) break;
  }
  DragFinish(drop);
  return 0;
}

LRESULT OnHandOver(ATOM atom) {
  char path[kTextBufferSize] = {};
  if (GlobalGetAtomNameA(atom, path, sizeof path) > 0 && path[0] != '\0') OpenFromOutside(path);
  return 0;
}

// Carries out what arrived during a long operation, in arrival order. Work that
// starts another long operation queues what follows it again.
LRESULT OnRunQueuedWork(HWND frame) {
  std::vector<QueuedWork> work = TakeQueuedWork();
  for (size_t i = 0; i < work.size(); ++i) {
    if (LongOperationRunning() || g_shell.frame != frame) {
      for (size_t j = i; j < work.size(); ++j) QueueWork(std::move(work[j]));
      return 0;
    }
    switch (work[i].kind) {
      case QueuedWork::Open:
        if (OpenDocument(work[i].path.c_str()) != 0) return 0;
        break;
      case QueuedWork::Command: SendMessageA(frame, WM_COMMAND, work[i].command, 0); break;
      case QueuedWork::Close: PostMessageA(frame, WM_CLOSE, 0, 0); break;
    }
  }
  return 0;
}

LRESULT OnChangeClipboardChain(HWND removed, HWND next, LPARAM lParam) {
  if (removed == g_shell.nextClipboardViewer) {
    g_shell.nextClipboardViewer = next;
  } else if (g_shell.nextClipboardViewer != nullptr) {
    SendMessageA(g_shell.nextClipboardViewer, WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(removed), lParam);
  }
  return 0;
}

LRESULT OnDrawClipboard(HWND frame, WPARAM wParam, LPARAM lParam) {
  bool available = IsClipboardFormatAvailable(g_shell.binaryClipboardFormat) || IsClipboardFormatAvailable(CF_TEXT);
  if (available != g_shell.pasteAvailable) {
    g_shell.pasteAvailable = available;
    HMENU bar = GetMenu(frame);
    if (bar == nullptr) {
      FailAndDestroyFrame(kMsgCannotGetMenu);
      return 0;
    }
    EnableMenuItem(bar, IDM_PASTE, MF_BYCOMMAND | (available ? MF_ENABLED : MF_GRAYED));
    DrawMenuBar(frame);
    if (g_shell.toolbar != nullptr) {
      BOOL enable = available && ActiveDocumentWindow() != nullptr;
      SendMessageA(g_shell.toolbar, TB_ENABLEBUTTON, IDM_PASTE, MAKELONG(enable, 0));
    }
  }
  if (g_shell.nextClipboardViewer != nullptr)
    SendMessageA(g_shell.nextClipboardViewer, WM_DRAWCLIPBOARD, wParam, lParam);
  return 0;
}

LRESULT OnNotify(HWND frame, WPARAM wParam, LPARAM lParam) {
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  if (HandleToolTipNotify(header)) return 0;
  return DefFrameProcA(frame, g_shell.mdiClient, WM_NOTIFY, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK FrameWindowProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: return OnCreate(frame);
    case WM_SIZE: return OnSize(LOWORD(lParam), HIWORD(lParam));
    case WM_SYSCOLORCHANGE: return OnSysColorChange(frame, wParam, lParam);
    case WM_CLOSE:
    case WM_QUERYENDSESSION: return OnClose(frame, message, wParam, lParam);
    case WM_DESTROY: return OnDestroy(frame);
    case WM_COMMAND: return OnCommand(frame, wParam, lParam);
    case WM_DROPFILES: return OnDropFiles(frame, reinterpret_cast<HDROP>(wParam));
    case WM_USER: return OnHandOver(static_cast<ATOM>(wParam));
    case kMsgRunQueuedWork: return OnRunQueuedWork(frame);
    case WM_CHANGECBCHAIN:
      return OnChangeClipboardChain(reinterpret_cast<HWND>(wParam), reinterpret_cast<HWND>(lParam), lParam);
    case WM_DRAWCLIPBOARD: return OnDrawClipboard(frame, wParam, lParam);
    case WM_NOTIFY: return OnNotify(frame, wParam, lParam);
    case WM_MENUSELECT: ShowMenuHelp(frame, wParam, lParam); return 0;
    default: return DefFrameProcA(frame, g_shell.mdiClient, message, wParam, lParam);
  }
}
