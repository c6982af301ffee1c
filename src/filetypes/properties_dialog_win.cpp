// The properties dialog and the file type loading dialog.
#include "filetypes/properties_dialog_win.h"

#include "filetypes/properties_model.h"
#include "filetypes/settings_part_win.h"
#include "resources/resource_ids.h"
#include "shell/dialog_win.h"
#include "shell/process_state.h"

namespace {

struct PropertiesRecord {
  FileType* edited = nullptr;
  PropertiesModel model;
};

bool OnInit(HWND dialog, PropertiesRecord& record) {
  record.model = OpenProperties(*record.edited);
  if (OpenSettings(dialog, record.model)) EnableControl(dialog, IDOK, false);
  return true;
}

void LoadStoredType(HWND dialog, PropertiesRecord& record) {
  int index = g_settings.filter & 0xFF;
  if (LoadFileTypeDialog(dialog, &index) != kDialogOk) return;
  if (index < 0 || static_cast<size_t>(index) >= g_fileTypes.types.size()) return;
  ShowStoredSettings(dialog, record.model, g_fileTypes.types[static_cast<size_t>(index)]);
}

bool OnCommand(HWND dialog, PropertiesRecord& record, int id, int code) {
  switch (id) {
    case IDC_PROP_LOADTYPE: LoadStoredType(dialog, record); return true;
    case IDOK:
      // Enter on the disabled OK button changes nothing.
      if (record.model.okEnabled) {
        StoreProperties(record.model, *record.edited);
        EndDialogWith(dialog, kDialogOk);
      }
      return true;
    default: return SettingsCommand(dialog, record.model, id, code);
  }
}

bool OnMessage(HWND dialog, PropertiesRecord& record, UINT message, WPARAM, LPARAM lParam, LRESULT*) {
  return message == WM_DRAWITEM &&
         DrawColorLine(dialog, record.model, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
}

constexpr DialogHandlers<PropertiesRecord> kPropertiesDialog = {OnInit, OnCommand, nullptr, OnMessage};

struct LoadRecord {
  int* index = nullptr;
};

bool OnLoadInit(HWND dialog, LoadRecord& record) {
  HWND list = DialogControl(dialog, IDC_LOADFT_LIST);
  if (list == nullptr) return true;
  for (const FileType& type : g_fileTypes.types)
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(type.text.c_str()));
  const int count = static_cast<int>(g_fileTypes.types.size());
  SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(LoadFileTypePreselection(*record.index, count)), 0);
  return true;
}

void Choose(HWND dialog, LoadRecord& record) {
  LRESULT selected = SendDlgItemMessageA(dialog, IDC_LOADFT_LIST, LB_GETCURSEL, 0, 0);
  if (selected == LB_ERR) {
    EndDialogWith(dialog, kDialogCancel);
    return;
  }
  *record.index = static_cast<int>(selected);
  EndDialogWith(dialog, kDialogOk);
}

bool OnLoadCommand(HWND dialog, LoadRecord& record, int id, int code) {
  if (id == IDOK || (id == IDC_LOADFT_LIST && code == LBN_DBLCLK)) {
    Choose(dialog, record);
    return true;
  }
  return id == IDC_LOADFT_LIST;
}

constexpr DialogHandlers<LoadRecord> kLoadDialog = {OnLoadInit, OnLoadCommand, nullptr};

}  // namespace

INT_PTR PropertiesDialog(HWND owner, FileType& record) {
  PropertiesRecord dialogRecord;
  dialogRecord.edited = &record;
  return RunDialog(IDD_PROPERTIES, owner, dialogRecord, kPropertiesDialog);
}

INT_PTR LoadFileTypeDialog(HWND owner, int* index) {
  LoadRecord record;
  record.index = index;
  return RunDialog(IDD_LOADFILETYPE, owner, record, kLoadDialog);
}
