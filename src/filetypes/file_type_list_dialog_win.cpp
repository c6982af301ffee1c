// The file type list dialog.
#include "filetypes/file_type_list_dialog_win.h"

#include <commctrl.h>

#include "core/messages.h"
#include "filetypes/file_type.h"
#include "filetypes/file_type_detail_dialog_win.h"
#include "filetypes/file_type_list_edit.h"
#include "resources/resource_ids.h"
#include "shell/dialog_win.h"
#include "shell/process_state.h"
#include "shell/shell.h"

namespace {

struct ListRecord {
  int current = 0;  // index into g_fileTypes
};

const char* TextOf(int index) { return g_fileTypes.types[static_cast<size_t>(index)].text.c_str(); }

void UpdateButtons(HWND dialog, const ListRecord& record) {
  if (EnableControl(dialog, IDC_FTLIST_DELETE, CanDeleteFileType(g_fileTypes)))
    EnableControl(dialog, IDC_FTLIST_MOVE, CanMoveFileType(g_fileTypes, record.current));
}

// Shows the descriptions in list order with the current one selected.
bool FillList(HWND dialog, const ListRecord& record) {
  HWND list = DialogControl(dialog, IDC_FTLIST_LIST);
  if (list == nullptr) return false;
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  const int count = static_cast<int>(g_fileTypes.types.size());
  for (int i = 0; i < count; ++i) {
    if (SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(TextOf(i))) < 0) {
      FailDialog(dialog, kMsgNoMemory);
      return false;
    }
  }
  SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(record.current), 0);
  UpdateButtons(dialog, record);
  return true;
}

bool OnInit(HWND dialog, ListRecord& record) {
  record.current = InitialFileTypeIndex(g_fileTypes, g_settings.filter);
  if (!FillList(dialog, record)) return true;
  if (!MakeDragList(GetDlgItem(dialog, IDC_FTLIST_LIST))) FailDialog(dialog, kMsgCannotMakeDragList);
  return true;
}

void AddNew(HWND dialog, ListRecord& record) {
  int result = NewFileType(g_fileTypes, &record.current);
  if (result < 0) {
    EndDialogWith(dialog, kDialogCancel);
    return;
  }
  if (result == 0) FillList(dialog, record);
}

void Edit(HWND dialog, ListRecord& record) {
  if (!CanEditFileType(g_fileTypes, record.current)) return;
  if (FileTypeDetailDialog(dialog, g_fileTypes.types[static_cast<size_t>(record.current)]) != kDialogOk) return;
  FillList(dialog, record);
}

void FollowSelection(HWND dialog, ListRecord& record) {
  LRESULT selected = SendDlgItemMessageA(dialog, IDC_FTLIST_LIST, LB_GETCURSEL, 0, 0);
  if (selected == LB_ERR) return;
  record.current = static_cast<int>(selected);
  UpdateButtons(dialog, record);
}

bool OnCommand(HWND dialog, ListRecord& record, int id, int code) {
  switch (id) {
    case IDC_FTLIST_LIST:
      if (code == LBN_SELCHANGE) FollowSelection(dialog, record);
      if (code == LBN_DBLCLK) Edit(dialog, record);
      return true;
    case IDC_FTLIST_NEW: AddNew(dialog, record); return true;
    case IDC_FTLIST_DELETE:
      if (DeleteFileType(g_fileTypes, &record.current, &g_settings.filter)) FillList(dialog, record);
      return true;
    case IDC_FTLIST_MOVE:
      if (MoveFileTypeToEnd(g_fileTypes, record.current, &g_settings.filter)) FillList(dialog, record);
      return true;
    case IDC_FTLIST_EDIT: Edit(dialog, record); return true;
    default: return false;
  }
}

// The drag list: every drag may start, the list scrolls while the cursor is
// beyond its ends, and a drop on another entry moves the dragged type there.
// The list selects the entry pressed on at once but tells of it only when the
// button goes up, after the drop: the dragged type is the list's selection.
LRESULT OnDragList(HWND dialog, ListRecord& record, const DRAGLISTINFO& drag) {
  switch (drag.uNotification) {
    case DL_BEGINDRAG: return TRUE;
    case DL_DRAGGING: LBItemFromPt(drag.hWnd, drag.ptCursor, TRUE); return 0;
    case DL_DROPPED:
      FollowSelection(dialog, record);
      if (DropFileType(g_fileTypes, &record.current, LBItemFromPt(drag.hWnd, drag.ptCursor, FALSE),
                       &g_settings.filter)) {
        FillList(dialog, record);
      }
      return 0;
    default: return 0;
  }
}

bool OnMessage(HWND dialog, ListRecord& record, UINT message, WPARAM, LPARAM lParam, LRESULT* result) {
  if (g_shell.dragListMessage == 0 || message != g_shell.dragListMessage) return false;
  *result = OnDragList(dialog, record, *reinterpret_cast<const DRAGLISTINFO*>(lParam));
  return true;
}

constexpr DialogHandlers<ListRecord> kListDialog = {OnInit, OnCommand, nullptr, OnMessage};

}  // namespace

void FileTypeListDialog(HWND owner) {
  ListRecord record;
  RunDialog(IDD_FILETYPELIST, owner, record, kListDialog);
}
