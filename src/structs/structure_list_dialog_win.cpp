// The template list dialog: new, delete, move to the end, edit, and reordering
// by dragging in the list.
#include "structs/structure_list_dialog_win.h"

#include <commctrl.h>

#include <utility>

#include "core/messages.h"
#include "resources/resource_ids.h"
#include "shell/dialog_win.h"
#include "shell/shell.h"
#include "structs/structure_list_edit.h"

namespace {

struct ListRecord {
  StructureList* list = nullptr;
  int32_t selected = 0;
};

LRESULT SendList(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam = 0) {
  return SendDlgItemMessageA(dialog, IDC_STRUCTLIST_LIST, message, wParam, lParam);
}

const char* NameOf(const ListRecord& r, int32_t index) {
  return r.list->structures[static_cast<size_t>(index)].name.c_str();
}

void InsertEntry(HWND dialog, const ListRecord& r, int32_t index) {
  SendList(dialog, LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(NameOf(r, index)));
}

// The list box shows the selection; the buttons follow what it allows.
void ShowSelection(HWND dialog, const ListRecord& r) {
  SendList(dialog, LB_SETCURSEL, static_cast<WPARAM>(r.selected));
  const std::pair<int, bool> states[] = {{IDC_STRUCTLIST_DELETE, CanDeleteStructure(*r.list)},
                                         {IDC_STRUCTLIST_MOVE, CanMoveStructure(*r.list, r.selected)},
                                         {IDC_STRUCTLIST_EDIT, CanEditStructure(*r.list, r.selected)}};
  for (const auto& [id, on] : states) {
    if (!EnableControl(dialog, id, on)) return;
  }
}

// A drop on entry target moves the selected template there.
void Drop(HWND dialog, ListRecord& r, int32_t target) {
  const LRESULT current = SendList(dialog, LB_GETCURSEL, 0);
  if (current != LB_ERR) r.selected = static_cast<int32_t>(current);
  const int32_t from = r.selected;
  if (!DropStructure(*r.list, &r.selected, target)) return;
  SendList(dialog, LB_DELETESTRING, static_cast<WPARAM>(from));
  InsertEntry(dialog, r, r.selected);
  ShowSelection(dialog, r);
}

LRESULT OnDragList(HWND dialog, ListRecord& r, const DRAGLISTINFO& info) {
  switch (info.uNotification) {
    case DL_BEGINDRAG: return LBItemFromPt(info.hWnd, info.ptCursor, FALSE) >= 0 ? TRUE : FALSE;
    case DL_DRAGGING: {
      const int item = LBItemFromPt(info.hWnd, info.ptCursor, TRUE);
      DrawInsert(dialog, info.hWnd, item);
      return item >= 0 ? DL_MOVECURSOR : DL_STOPCURSOR;
    }
    case DL_DROPPED:
      DrawInsert(dialog, info.hWnd, -1);
      Drop(dialog, r, LBItemFromPt(info.hWnd, info.ptCursor, FALSE));
      return 0;
    default: DrawInsert(dialog, info.hWnd, -1); return 0;
  }
}

// The drag list reports to the dialog window itself with its registered message.
LRESULT CALLBACK DragListSubclass(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                  DWORD_PTR data) {
  if (message != 0 && message == g_shell.dragListMessage && lParam != 0)
    return OnDragList(dialog, *reinterpret_cast<ListRecord*>(data), *reinterpret_cast<DRAGLISTINFO*>(lParam));
  if (message == WM_NCDESTROY) RemoveWindowSubclass(dialog, DragListSubclass, id);
  return DefSubclassProc(dialog, message, wParam, lParam);
}

bool OnInit(HWND dialog, ListRecord& r) {
  r.selected = InitialStructureSelection(*r.list);
  HWND list = DialogControl(dialog, IDC_STRUCTLIST_LIST);
  if (list == nullptr) return true;
  for (int32_t i = 0; i < static_cast<int32_t>(r.list->structures.size()); ++i) InsertEntry(dialog, r, i);
  if (!MakeDragList(list)) {
    FailDialog(dialog, kMsgCannotMakeDragList);
    return true;
  }
  SetWindowSubclass(dialog, DragListSubclass, 0, reinterpret_cast<DWORD_PTR>(&r));
  ShowSelection(dialog, r);
  return true;
}

void OnNew(HWND dialog, ListRecord& r) {
  // A failure was reported; the list is as it was.
  if (NewStructure(*r.list, &r.selected) != 0) {
    EndDialogWith(dialog, kDialogCancel);
    return;
  }
  InsertEntry(dialog, r, r.selected);
  ShowSelection(dialog, r);
}

void OnDelete(HWND dialog, ListRecord& r) {
  const int32_t removed = r.selected;
  if (!DeleteStructure(*r.list, &r.selected)) return;
  SendList(dialog, LB_DELETESTRING, static_cast<WPARAM>(removed));
  ShowSelection(dialog, r);
}

void OnMove(HWND dialog, ListRecord& r) {
  const int32_t moved = r.selected;
  if (!MoveStructureToEnd(*r.list, moved)) return;
  SendList(dialog, LB_DELETESTRING, static_cast<WPARAM>(moved));
  InsertEntry(dialog, r, static_cast<int32_t>(r.list->structures.size()) - 1);
  ShowSelection(dialog, r);
}

// 編集 and a double click: only an existing template is opened.
void OnEdit(HWND dialog, ListRecord& r) {
  if (!CanEditStructure(*r.list, r.selected)) return;
  if (EditStructure(dialog, r.list->structures[static_cast<size_t>(r.selected)]) != kDialogOk) return;
  SendList(dialog, LB_DELETESTRING, static_cast<WPARAM>(r.selected));
  InsertEntry(dialog, r, r.selected);
  ShowSelection(dialog, r);
}

bool OnCommand(HWND dialog, ListRecord& r, int id, int code) {
  switch (id) {
    case IDC_STRUCTLIST_LIST:
      if (code == LBN_SELCHANGE) {
        const LRESULT current = SendList(dialog, LB_GETCURSEL, 0);
        if (current != LB_ERR) r.selected = static_cast<int32_t>(current);
        ShowSelection(dialog, r);
      }
      if (code == LBN_DBLCLK) OnEdit(dialog, r);
      return true;
    case IDC_STRUCTLIST_NEW: OnNew(dialog, r); return true;
    case IDC_STRUCTLIST_DELETE: OnDelete(dialog, r); return true;
    case IDC_STRUCTLIST_MOVE: OnMove(dialog, r); return true;
    case IDC_STRUCTLIST_EDIT: OnEdit(dialog, r); return true;
    default: return false;
  }
}

constexpr DialogHandlers<ListRecord> kListDialog = {OnInit, OnCommand, nullptr};

}  // namespace

void ShowStructureList(HWND owner) {
  ListRecord record;
  record.list = &g_structures;
  RunDialog(IDD_STRUCTLIST, owner, record, kListDialog);
  CloseStructureList(g_structures);
}
