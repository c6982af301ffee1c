// The information view's in-place edit box: opened over the current row's value,
// committed to the document as one undoable edit, or discarded.
#include <string>
#include <vector>

#include "core/messages.h"
#include "hexview/commands/edit_view_win.h"
#include "hexview/render/view_resources_win.h"
#include "resources/resource_ids.h"
#include "shell/shell.h"
#include "structs/info_view_edit.h"
#include "structs/info_view_geometry.h"
#include "structs/info_view_window_win.h"

namespace {

// Longest texts taken from the box: UTF-16 units, ANSI bytes.
constexpr int kWideTextLimit = 4608;
constexpr int kAnsiTextLimit = 9216;

const StructureMember& CurrentRow(const InfoViewWindow& w) {
  return w.model.rows[static_cast<size_t>(w.model.currentRow)];
}

// Enter and Escape go to the view's key handler; the rest to the edit control.
LRESULT CALLBACK EditBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  const bool wide = IsWindowUnicode(box) != FALSE;
  auto original = reinterpret_cast<WNDPROC>(wide ? GetWindowLongPtrW(box, GWLP_USERDATA)
                                                 : GetWindowLongPtrA(box, GWLP_USERDATA));
  if (message == WM_KEYDOWN && (wParam == VK_RETURN || wParam == VK_ESCAPE)) {
    OnInfoKeyDown(g_infoView, static_cast<UINT>(wParam));  // may destroy the box
    return 0;
  }
  if (message == WM_CHAR && (wParam == '\r' || wParam == 0x1B)) return 0;
  return wide ? CallWindowProcW(original, box, message, wParam, lParam)
              : CallWindowProcA(original, box, message, wParam, lParam);
}

HWND CreateBox(const InfoViewWindow& w, const InfoRect& r, bool wide) {
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL;
  HMENU id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_INFO_EDIT));
  if (wide) {
    return CreateWindowExW(0, L"EDIT", L"", style, r.x, r.y, r.width, r.height, w.window, id, g_shell.instance,
                           nullptr);
  }
  return CreateWindowExA(0, "EDIT", "", style, r.x, r.y, r.width, r.height, w.window, id, g_shell.instance, nullptr);
}

void Subclass(HWND box) {
  if (IsWindowUnicode(box)) {
    const LONG_PTR original = SetWindowLongPtrW(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditBoxProc));
    SetWindowLongPtrW(box, GWLP_USERDATA, original);
  } else {
    const LONG_PTR original = SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditBoxProc));
    SetWindowLongPtrA(box, GWLP_USERDATA, original);
  }
}

void SetBoxText(HWND box, const MemberValueText& text, int limit, bool createdWide) {
  if (text.isUtf16) {
    SetWindowTextW(box, reinterpret_cast<const wchar_t*>(text.utf16.c_str()));
    return;
  }
  SetWindowTextA(box, text.ansi.c_str());
  // A box made for ANSI text that the system keeps as UTF-16 may count the limit
  // in characters of another width: the text is cut to the limit.
  if (createdWide || !IsWindowUnicode(box)) return;
  std::vector<wchar_t> shown(static_cast<size_t>(limit) + 1);
  if (GetWindowTextLengthW(box) > limit) {
    GetWindowTextW(box, shown.data(), limit + 1);
    SetWindowTextW(box, shown.data());
  }
}

// The box's text as the member's parser takes it: UTF-16 from a UTF-16 box over
// a UNICODE string, ANSI otherwise.
int CommitText(InfoViewWindow& w, HWND box, EditView* edits) {
  if (IsWindowUnicode(box) && IsUnicodeString(CurrentRow(w))) {
    std::vector<wchar_t> text(kWideTextLimit + 1);
    const int n = GetWindowTextW(box, text.data(), kWideTextLimit + 1);
    const std::u16string typed(text.data(), text.data() + n);
    if (!DestroyEditBox(w)) return -1;
    return CommitEditor(w.model, std::u16string_view(typed), edits);
  }
  std::vector<char> text(kAnsiTextLimit + 1);
  const int n = GetWindowTextA(box, text.data(), kAnsiTextLimit + 1);
  const std::string typed(text.data(), static_cast<size_t>(n));
  if (!DestroyEditBox(w)) return -1;
  return CommitEditor(w.model, std::string_view(typed), edits);
}

// After the box went: the scroll bars and buttons come back, the focus returns.
void AfterBox(InfoViewWindow& w) {
  UpdateInfoScrollBars(w);
  UpdateNavigationButtons(w);
  InvalidateList(w);
  SetFocus(w.window);
}

}  // namespace

void OpenEditBox(InfoViewWindow& w) {
  if (w.editBox != nullptr || ShownDocument(w) == nullptr || !CanOpenEditor(w.model)) return;
  const InfoListMetrics m = ListMetrics(w);
  const InfoRect r = EditBoxRect(m.charWidth, w.toolbarHeight, GetSystemMetrics(SM_CXBORDER),
                                 GetSystemMetrics(SM_CYBORDER), w.model.labelWidth, w.model.totalColumns,
                                 w.model.currentRow, w.model.topRow, w.model.firstColumn);
  const bool wantWide = IsUnicodeString(CurrentRow(w));
  HWND box = wantWide ? CreateBox(w, r, true) : nullptr;
  const bool createdWide = box != nullptr;
  if (box == nullptr) box = CreateBox(w, r, false);
  if (box == nullptr) {
    FailInfoView(kMsgCannotCreateWindow);
    return;
  }
  MemberEditor editor;
  const int opened = OpenEditor(w.model, createdWide, &editor);
  if (opened != 0) {
    DestroyWindow(box);
    if (opened < 0) FailInfoView(nullptr);
    return;
  }
  w.editBox = box;
  Subclass(box);
  SendMessageA(box, WM_SETFONT, reinterpret_cast<WPARAM>(HexViewOf(w.shownView)->mainFont), FALSE);
  SendMessageA(box, EM_LIMITTEXT, static_cast<WPARAM>(editor.limit), 0);
  SetBoxText(box, editor.text, editor.limit, createdWide);
  SendMessageA(box, EM_SETSEL, 0, -1);
  SetFocus(box);
  EnableWindow(w.hScroll, FALSE);
  EnableWindow(w.vScroll, FALSE);
  UpdateNavigationButtons(w);
}

void CommitEditBox(InfoViewWindow& w) {
  if (w.editBox == nullptr || ShownDocument(w) == nullptr) return;
  // A failed edit has reported itself and leaves the selection on the member's bytes.
  CommitText(w, w.editBox, EditViewOf(w.shownView));
  if (w.window != nullptr && w.model.doc != nullptr) AfterBox(w);
}

void DiscardEditBox(InfoViewWindow& w) {
  if (w.editBox == nullptr || !DestroyEditBox(w)) return;
  DiscardEditor(w.model);
  AfterBox(w);
}

bool DestroyEditBox(InfoViewWindow& w) {
  if (w.editBox == nullptr) return true;
  HWND box = w.editBox;
  const bool focused = GetFocus() == box;
  w.editBox = nullptr;
  if (!DestroyWindow(box)) {
    FailInfoView(kMsgCannotDestroyWindow);
    return false;
  }
  if (focused && w.window != nullptr) SetFocus(w.window);
  return true;
}
