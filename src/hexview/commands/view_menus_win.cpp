// Menu and toolbar state of the document commands, and the context menu.
#include "hexview/commands/view_menus_win.h"

#include <commctrl.h>

#include <initializer_list>

#include "core/document.h"
#include "core/messages.h"
#include "core/number_text.h"
#include "core/undo.h"
#include "core/user_message.h"
#include "hexview/commands/view_command_table_win.h"
#include "hexview/hex_view_win.h"
#include "hexview/input/caret_motion.h"
#include "hexview/input/caret_win.h"
#include "hexview/status/ime_win.h"
#include "hexview/status/status_line_win.h"
#include "resources/resource_ids.h"
#include "shell/menu_bar_win.h"
#include "shell/shell.h"

namespace {

constexpr int kEditPopup = 1;
constexpr int kSearchPopup = 2;
constexpr int kOptionsPopup = 3;
constexpr int kWindowPopup = 4;
constexpr int kRadixSubmenu = 4;    // inside ｵﾌﾟｼｮﾝ
constexpr int kAddressSubmenu = 5;
constexpr int kOrderSubmenu = 6;

// The menu commands of document windows that other parts register.
constexpr UINT kRegisteredCommands[] = {IDM_PRINT, IDM_PROPERTIES, IDM_INFO,    IDM_IMAGE,
                                        IDM_FIND,  IDM_FINDNEXT,   IDM_REPLACE};

// Enables or grays an item; false when the item does not exist.
bool Enable(HMENU menu, UINT item, UINT by, bool on) {
  return static_cast<int>(EnableMenuItem(menu, item, by | (on ? MF_ENABLED : MF_GRAYED))) != -1;
}

bool EnableButton(int command, bool on) {
  if (g_shell.toolbar == nullptr) return true;
  return SendMessageA(g_shell.toolbar, TB_ENABLEBUTTON, command, MAKELONG(on ? TRUE : FALSE, 0)) != 0;
}

}  // namespace

int RefreshMenuState(const Document* doc) {
  if (g_shell.frame == nullptr) return 0;
  HMENU bar = GetMenu(g_shell.frame);
  if (bar == nullptr) {
    FailAndDestroyFrame(kMsgCannotGetMenu);
    return -1;
  }
  const int shift = MenuBarShift(g_shell.frame);
  const bool on = doc != nullptr;
  const bool selection = on && doc->anchor != -1;
  const bool canUndo = on && doc->undoList != nullptr;
  const bool canRedo = on && doc->redoList != nullptr;
  const bool canPaste = on && g_shell.pasteAvailable;

  bool ok = true;
  for (int popup : {kEditPopup, kSearchPopup, kWindowPopup})
    ok = Enable(bar, popup + shift, MF_BYPOSITION, on) && ok;
  HMENU options = GetSubMenu(bar, kOptionsPopup + shift);
  if (options == nullptr) ok = false;
  for (int sub : {kRadixSubmenu, kAddressSubmenu, kOrderSubmenu})
    if (options) ok = Enable(options, sub, MF_BYPOSITION, on) && ok;
  for (UINT id : {IDM_CLOSE, IDM_SAVE, IDM_SAVEAS}) ok = Enable(bar, id, MF_BYCOMMAND, on) && ok;
  // The commands other parts carry out: grayed unless registered and available.
  for (UINT id : kRegisteredCommands)
    ok = Enable(bar, id, MF_BYCOMMAND, ViewCommandAvailable(static_cast<int>(id), doc)) && ok;
  if (on) {
    ok = Enable(bar, IDM_UNDO, MF_BYCOMMAND, canUndo) && ok;
    ok = Enable(bar, IDM_REDO, MF_BYCOMMAND, canRedo) && ok;
    for (UINT id : {IDM_CUT, IDM_COPY, IDM_DELETE}) ok = Enable(bar, id, MF_BYCOMMAND, selection) && ok;
    ok = Enable(bar, IDM_PASTE, MF_BYCOMMAND, canPaste) && ok;
    int radix = DataRadixOf(doc->options);
    int address = AddressRadixOf(doc->options);
    CheckMenuRadioItem(bar, IDM_RADIX_HEX, IDM_RADIX_SDEC, IDM_RADIX_HEX + static_cast<UINT>(radix), MF_BYCOMMAND);
    CheckMenuRadioItem(bar, IDM_ADDR_HEX, IDM_ADDR_OCT, IDM_ADDR_HEX + static_cast<UINT>(address), MF_BYCOMMAND);
    CheckMenuRadioItem(bar, IDM_ORDER_INTEL, IDM_ORDER_MOTOROLA,
                       (doc->options & kOptMotorola) ? IDM_ORDER_MOTOROLA : IDM_ORDER_INTEL, MF_BYCOMMAND);
  }
  if (!ok) {
    FailAndDestroyFrame(kMsgCannotChangeMenuItem);
    return -1;
  }

  bool buttons = true;
  buttons = EnableButton(IDM_SAVE, on) && buttons;
  for (int id : {IDM_PRINT, IDM_PROPERTIES, IDM_INFO, IDM_FIND, IDM_REPLACE})
    buttons = EnableButton(id, ViewCommandAvailable(id, doc)) && buttons;
  buttons = EnableButton(IDM_UNDO, canUndo) && buttons;
  buttons = EnableButton(IDM_REDO, canRedo) && buttons;
  for (int id : {IDM_CUT, IDM_COPY, IDM_DELETE}) buttons = EnableButton(id, selection) && buttons;
  buttons = EnableButton(IDM_PASTE, canPaste) && buttons;
  if (!buttons) {
    FailAndDestroyFrame(kMsgCannotChangeToolbarButton);
    return -1;
  }
  if (!DrawMenuBar(g_shell.frame)) {
    FailAndDestroyFrame(kMsgCannotDrawMenuBar);
    return -1;
  }
  return 0;
}

int OnViewMdiActivate(HWND view, HWND activated) {
  LeaveDigitEntry(view);
  if (activated == view) {
    if (RefreshMenuState(DocumentOf(view)) != 0) return -1;
    return UpdateCaretAndStatus(view);
  }
  if (RefreshMenuState(nullptr) != 0) return -1;
  SetImePosition(view, -1, -1);
  return ShowIdleStatus();
}

namespace {

void EnableItem(HMENU menu, UINT id, bool on) {
  EnableMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
}

// The caret's screen point, or false when it lies outside the dump area.
bool CaretScreenPoint(HWND view, const Document& doc, POINT* point) {
  const PixelPoint at = CaretPixel(MetricsOf(doc), doc.caret, doc.activeColumn, doc.digitIndex);
  point->x = at.x == kHiddenCaret ? 0 : at.x;
  point->y = at.y == kHiddenCaret ? 0 : at.y;
  return ClientToScreen(view, point) != 0;
}

}  // namespace

int ShowViewContextMenu(HWND view, int x, int y) {
  Document* doc = DocumentOf(view);
  HMENU menu = g_shell.editPopupMenu;
  if (doc == nullptr || menu == nullptr) return 0;
  POINT at{x, y};
  if (x == -1 && y == -1 && !CaretScreenPoint(view, *doc, &at)) {
    FailAndDestroyFrame(kMsgCannotConvertPoint);
    return -1;
  }
  const bool selection = doc->anchor != -1;
  EnableItem(menu, IDM_UNDO, doc->undoList != nullptr);
  EnableItem(menu, IDM_CUT, selection);
  EnableItem(menu, IDM_COPY, selection);
  EnableItem(menu, IDM_DELETE, selection);
  EnableItem(menu, IDM_PASTE, g_shell.pasteAvailable);
  TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, g_shell.frame ? g_shell.frame : view, nullptr);
  return 0;
}

int ShowContextMenuAtCaret(HWND view) {
  Document* doc = DocumentOf(view);
  if (doc == nullptr) return 0;
  if (MoveCaretTo(view, WithCaretVisible(CaretStateOf(*doc), MetricsOf(*doc))) != 0) return -1;
  if (!UpdateWindow(view)) {
    FailAndDestroyFrame(kMsgCannotUpdateWindow);
    return -1;
  }
  POINT at{};
  if (!CaretScreenPoint(view, *doc, &at)) {
    FailAndDestroyFrame(kMsgCannotConvertPoint);
    return -1;
  }
  return ShowViewContextMenu(view, at.x, at.y);
}
