// The information view window: attaching to a hex view, showing a template,
// painting the rows, moving the start address and closing.
#include "structs/info_view_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include <cstring>
#include <initializer_list>
#include <utility>

#include "core/edit.h"
#include "core/messages.h"
#include "core/palette.h"
#include "core/user_message.h"
#include "hexview/commands/edit_view_win.h"
#include "hexview/commands/view_menus_win.h"
#include "hexview/hex_view_win.h"
#include "hexview/render/view_paint_win.h"
#include "hexview/render/view_resources_win.h"
#include "resources/resource_ids.h"
#include "shell/shell.h"
#include "structs/info_view_window_win.h"

InfoViewWindow g_infoView;

namespace {

RECT ListRect(const InfoViewWindow& w) { return RECT{0, w.toolbarHeight, w.listRight, w.listBottom}; }

// The shown document while its hex view still holds it.
Document* LiveDocument(const InfoViewWindow& w) {
  if (w.shownView == nullptr || w.model.doc == nullptr || !IsWindow(w.shownView)) return nullptr;
  return DocumentOf(w.shownView) == w.model.doc ? w.model.doc : nullptr;
}

bool Invalidate(HWND window, const RECT& r) {
  if (InvalidateRect(window, &r, TRUE)) return true;
  FailInfoView(kMsgCannotInvalidate);
  return false;
}

// The band of row as the list is scrolled now.
RECT RowBand(const InfoViewWindow& w, int32_t row) {
  const int32_t height = 2 * ListMetrics(w).charWidth;
  const int32_t top = w.toolbarHeight + (row - w.model.topRow) * height;
  return RECT{0, top, w.listRight, top + height};
}

bool SetText(HWND window, const std::string& text) {
  if (SetWindowTextA(window, text.c_str())) return true;
  FailInfoView(kMsgCannotSetWindowText);
  return false;
}

bool EnableButton(HWND toolbar, int command, bool on) {
  if (SendMessageA(toolbar, TB_ENABLEBUTTON, static_cast<WPARAM>(command), MAKELPARAM(on ? TRUE : FALSE, 0)))
    return true;
  FailInfoView(kMsgCannotChangeToolbarButton);
  return false;
}

void SetScrollBar(HWND bar, int32_t count, int32_t page, int32_t position) {
  EnableWindow(bar, TRUE);
  SCROLLINFO info = {sizeof info, SIF_ALL | SIF_DISABLENOSCROLL, 0, count > 0 ? count - 1 : 0,
                     static_cast<UINT>(page), position, 0};
  SetScrollInfo(bar, SB_CTL, &info, TRUE);
}

// kInfoAttach: shows the document of hexView from its caret on.
LRESULT OnAttach(InfoViewWindow& w, HWND hexView) {
  Document* doc = DocumentOf(hexView);
  if (doc == nullptr || w.shownView != nullptr) return 0;
  EnableWindow(g_shell.frame, FALSE);
  w.shownView = hexView;
  InfoAttachResult attached;
  if (AttachInfoView(w.model, *doc, g_structures, &attached) != 0) {
    w.shownView = nullptr;
    EnableWindow(g_shell.frame, TRUE);
    return 0;
  }
  if (attached.selectionDropped &&
      (InvalidateRange(hexView, attached.oldAnchor, attached.oldCaret) != 0 || RefreshMenuState(doc) != 0))
    return 0;
  if (!SetText(w.window, InfoViewTitle(doc->path))) return 0;
  SendMessageA(w.combo, CB_RESETCONTENT, 0, 0);
  for (int index : w.model.comboItems) {
    const char* name = g_structures.structures[static_cast<size_t>(index)].name.c_str();
    LRESULT item = SendMessageA(w.combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    SendMessageA(w.combo, CB_SETITEMDATA, static_cast<WPARAM>(item), index);
  }
  SelectInfoTemplate(w, w.model.comboItem);
  if (w.shownView == nullptr) return 0;
  for (WPARAM size : {ICON_BIG, ICON_SMALL}) {
    LRESULT icon = SendMessageA(hexView, WM_GETICON, size, 0);
    SendMessageA(w.window, WM_SETICON, size, icon);
  }
  ShowWindow(w.window, SW_SHOW);
  SetFocus(w.window);
  return 0;
}

void PaintRows(const InfoViewWindow& w, HDC dc, const RECT& update, Document& doc) {
  const HexView* hex = HexViewOf(w.shownView);
  const bool system = (doc.options & kOptSystemColors) != 0;
  const DumpPalette palette = PaletteFor(doc, g_shell.colors.values);
  HBRUSH band = system ? g_shell.colors.highlightBrush : hex->selBackBrush;
  const RECT list = ListRect(w);
  const InfoViewState& m = w.model;
  const int32_t cw = doc.charWidth;
  HGDIOBJ oldFont = SelectObject(dc, hex->mainFont);
  int oldMode = SetBkMode(dc, TRANSPARENT);
  COLORREF oldColor = GetTextColor(dc);
  for (int32_t r = m.topRow; r < m.rowCount(); ++r) {
    const RECT rowRect = RowBand(w, r);
    if (rowRect.top >= w.listBottom) break;
    const StructureMember& row = m.rows[static_cast<size_t>(r)];
    RECT fill;
    if (r == m.currentRow && IntersectRect(&fill, &rowRect, &update) && IntersectRect(&fill, &fill, &list))
      FillRect(dc, &fill, band);
    SetTextColor(dc, !IsEditableRow(row) ? palette.fixed : r == m.currentRow ? palette.selText : palette.text);
    ExtTextOutA(dc, -m.firstColumn * cw, rowRect.top, ETO_CLIPPED, &list, row.description.c_str(),
                static_cast<UINT>(row.description.size()), nullptr);
    MemberValueText text;
    if (RowValueText(doc, doc.caret, row, IsUnicodeString(row), &text) != 0) continue;
    const int x = (m.labelWidth - m.firstColumn) * cw;
    if (text.isUtf16) {
      ExtTextOutW(dc, x, rowRect.top, ETO_CLIPPED, &list, reinterpret_cast<const wchar_t*>(text.utf16.c_str()),
                  static_cast<UINT>(text.utf16.size()), nullptr);
    } else {
      ExtTextOutA(dc, x, rowRect.top, ETO_CLIPPED, &list, text.ansi.c_str(),
                  static_cast<UINT>(std::strlen(text.ansi.c_str())), nullptr);
    }
  }
  SetTextColor(dc, oldColor);
  SetBkMode(dc, oldMode);
  SelectObject(dc, oldFont);
}

LRESULT OnPaint(InfoViewWindow& w) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(w.window, &ps);
  if (dc == nullptr) {
    FailInfoView(kMsgCannotPaint);
    return 0;
  }
  Document* doc = ShownDocument(w);
  const HexView* hex = doc != nullptr ? HexViewOf(w.shownView) : nullptr;
  if (ps.fErase) {
    const bool own = hex != nullptr && (doc->options & kOptSystemColors) == 0;
    HBRUSH back = own ? hex->backBrush : g_shell.colors.windowBrush;
    RECT list = ListRect(w), fill;
    if (back != nullptr && IntersectRect(&fill, &ps.rcPaint, &list)) FillRect(dc, &fill, back);
  }
  if (hex != nullptr) PaintRows(w, dc, ps.rcPaint, *doc);
  EndPaint(w.window, &ps);
  return 0;
}

LRESULT OnCommand(InfoViewWindow& w, int id, int code) {
  switch (id) {
    case IDM_INFO_BYTEBACK: MoveInfoStart(w, StartMove::ByteBack); break;
    case IDM_INFO_BYTEFORWARD: MoveInfoStart(w, StartMove::ByteForward); break;
    case IDM_INFO_STRUCTBACK: MoveInfoStart(w, StartMove::StructureBack); break;
    case IDM_INFO_STRUCTFORWARD: MoveInfoStart(w, StartMove::StructureForward); break;
    case IDM_PRINT: PrintInfoView(w); break;
    case IDC_INFO_COMBO:
      if (code == CBN_SELCHANGE) SelectInfoTemplate(w, static_cast<int>(SendMessageA(w.combo, CB_GETCURSEL, 0, 0)));
      if (code == CBN_CLOSEUP) SetFocus(w.window);
      break;
    default: break;
  }
  return 0;
}

LRESULT OnDestroy(InfoViewWindow& w) {
  if (w.comboFont != nullptr && !DeleteObject(w.comboFont))
    ShowMessage(kMsgCannotDeleteFont, MessageIcon::Warning, MessageButtons::Ok, w.window);
  if (w.buttonImages != nullptr) DeleteObject(w.buttonImages);
  InfoViewWindow kept;
  kept.printer = w.printer;
  kept.placed = w.placed;
  w = std::move(kept);
  return 0;
}

}  // namespace

void FailInfoView(const char* text) {
  if (text != nullptr) ShowMessage(text, MessageIcon::Stop, MessageButtons::Ok, g_infoView.window);
  if (g_shell.frame == nullptr) return;
  EnableWindow(g_shell.frame, TRUE);
  DestroyWindow(g_shell.frame);
}

Document* ShownDocument(InfoViewWindow& w) {
  if (w.shownView == nullptr) return nullptr;
  Document* doc = LiveDocument(w);
  if (doc != nullptr) return doc;
  w.model.doc = nullptr;  // its window freed it
  CloseInfoWindow(w);
  return nullptr;
}

InfoListMetrics ListMetrics(const InfoViewWindow& w) {
  const int32_t cw = w.model.doc != nullptr && w.model.doc->charWidth > 0 ? w.model.doc->charWidth : 1;
  return InfoListMetrics{cw, w.toolbarHeight, w.listRight, w.listBottom};
}

InfoListPosition ListPosition(const InfoViewWindow& w) {
  return InfoListPosition{w.model.currentRow, w.model.topRow, w.model.firstColumn};
}

InfoListSize ListSize(const InfoViewWindow& w) { return InfoListSize{w.model.rowCount(), w.model.totalColumns}; }

void ApplyListPosition(InfoViewWindow& w, const InfoListPosition& p) {
  const InfoListPosition old = ListPosition(w);
  const InfoListMetrics m = ListMetrics(w);
  const bool scrolled = old.topRow != p.topRow || old.firstColumn != p.firstColumn;
  w.model.currentRow = p.currentRow;
  w.model.topRow = p.topRow;
  w.model.firstColumn = p.firstColumn;
  if (scrolled) {
    if (CanScrollInPlace(old, p, m)) {
      const RECT list = ListRect(w);
      ScrollWindowEx(w.window, (old.firstColumn - p.firstColumn) * m.charWidth,
                     (old.topRow - p.topRow) * 2 * m.charWidth, &list, &list, nullptr, nullptr,
                     SW_INVALIDATE | SW_ERASE | SW_SCROLLCHILDREN);
    } else if (!Invalidate(w.window, ListRect(w))) {
      return;
    }
  }
  if (!Invalidate(w.window, RowBand(w, old.currentRow)) || !Invalidate(w.window, RowBand(w, p.currentRow))) return;
  if (scrolled) UpdateInfoScrollBars(w);
}

void UpdateInfoScrollBars(InfoViewWindow& w) {
  if (w.model.doc == nullptr) return;
  const InfoListMetrics m = ListMetrics(w);
  SetScrollBar(w.hScroll, w.model.totalColumns, VisibleColumns(m), w.model.firstColumn);
  SetScrollBar(w.vScroll, w.model.rowCount(), VisibleRows(m), w.model.topRow);
}

void UpdateNavigationButtons(InfoViewWindow& w) {
  const NavigationButtons b = NavigationState(w.model);
  const std::pair<int, bool> states[] = {{IDM_INFO_BYTEBACK, b.byteBack},
                                         {IDM_INFO_BYTEFORWARD, b.byteForward},
                                         {IDM_INFO_STRUCTBACK, b.structureBack},
                                         {IDM_INFO_STRUCTFORWARD, b.structureForward},
                                         {IDM_PRINT, w.printer != nullptr}};
  for (const auto& [command, on] : states) {
    if (!EnableButton(w.toolbar, command, on)) return;
  }
}

void InvalidateList(InfoViewWindow& w) { Invalidate(w.window, ListRect(w)); }

void MoveInfoStart(InfoViewWindow& w, StartMove move) {
  Document* doc = ShownDocument(w);
  if (doc == nullptr || !MoveStart(w.model, move)) return;
  if (!SetText(w.address, AddressFieldText(doc->caret, doc->options))) return;
  InvalidateList(w);
  UpdateNavigationButtons(w);
}

void SelectInfoTemplate(InfoViewWindow& w, int item) {
  if (item < 0 || item >= static_cast<int>(w.model.comboItems.size())) return;
  Document* doc = ShownDocument(w);
  if (doc == nullptr || !DestroyEditBox(w)) return;
  if (SelectTemplateItem(w.model, g_structures, item) != 0) {
    FailInfoView(nullptr);  // the rows could not be allocated (reported)
    return;
  }
  SendMessageA(w.combo, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
  if (!SetText(w.address, AddressFieldText(doc->caret, doc->options)) || !PlaceFirstTime(w)) return;
  UpdateInfoScrollBars(w);
  InvalidateList(w);
  UpdateNavigationButtons(w);
}

void CloseInfoWindow(InfoViewWindow& w) {
  HWND hexView = w.shownView;
  Document* doc = LiveDocument(w);
  DestroyEditBox(w);
  CloseInfoView(w.model);
  w.shownView = nullptr;
  EnableWindow(g_shell.frame, TRUE);
  ShowWindow(w.window, SW_HIDE);
  if (doc == nullptr) return;
  // The hex view takes up the caret where the view left it, as after a jump.
  EditChange moved{doc->caret, 0, 0, doc->caret, -1, 0, doc->caret, -1, 0};
  if (EditView* edits = EditViewOf(hexView)) edits->ContentChanged(*doc, moved);
}

void PrintInfoView(InfoViewWindow& w) {
  if (w.printer != nullptr && ShownDocument(w) != nullptr) w.printer(w.window);
}

LRESULT CALLBACK InfoViewWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  InfoViewWindow& w = g_infoView;
  switch (message) {
    case WM_CREATE: w.window = window; return CreateInfoChildren(w) == 0 ? 0 : -1;
    case kInfoAttach: return OnAttach(w, reinterpret_cast<HWND>(lParam));
    case kInfoSelectTemplate: SelectInfoTemplate(w, static_cast<int>(wParam)); return 0;
    case WM_COMMAND: return OnCommand(w, LOWORD(wParam), HIWORD(wParam));
    case WM_NOTIFY:
      if (HandleInfoToolTip(reinterpret_cast<NMHDR*>(lParam))) return 0;
      break;
    case WM_PAINT: return OnPaint(w);
    case WM_SIZE: LayOutInfoChildren(w, LOWORD(lParam), HIWORD(lParam)); return 0;
    case WM_KEYDOWN: OnInfoKeyDown(w, static_cast<UINT>(wParam)); return 0;
    case WM_SYSKEYDOWN:
      if (OnInfoSysKeyDown(w, static_cast<UINT>(wParam))) return 0;
      break;
    case WM_LBUTTONDOWN: OnInfoButtonDown(w, GET_Y_LPARAM(lParam)); return 0;
    case WM_LBUTTONUP: ReleaseCapture(); return 0;
    case WM_MOUSEMOVE:
      OnInfoMouseMove(w, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), GetCapture() == window);
      return 0;
    case WM_LBUTTONDBLCLK: OpenEditBox(w); return 0;
    case WM_MOUSEWHEEL: OnInfoWheel(w, GET_WHEEL_DELTA_WPARAM(wParam)); return 0;
    case WM_HSCROLL:
    case WM_VSCROLL: OnInfoScroll(w, reinterpret_cast<HWND>(lParam), LOWORD(wParam)); return 0;
    case WM_SETFOCUS:
      if (w.editBox != nullptr) SetFocus(w.editBox);
      return 0;
    case WM_CLOSE: CloseInfoWindow(w); return 0;
    case WM_DESTROY: return OnDestroy(w);
    default: break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void SetInfoViewPrinter(InfoViewPrinter printer) {
  g_infoView.printer = printer;
  if (g_infoView.toolbar != nullptr && g_infoView.model.doc != nullptr) UpdateNavigationButtons(g_infoView);
}

const InfoViewState* InfoViewStateOf(HWND infoView) {
  return infoView != nullptr && infoView == g_infoView.window ? &g_infoView.model : nullptr;
}

void ResetInfoViewState() { g_infoView = InfoViewWindow{}; }
