// The file type detail dialog.
#include "filetypes/file_type_detail_dialog_win.h"

#include "core/text_limits.h"
#include "filetypes/file_type_list_edit.h"
#include "filetypes/settings_part_win.h"
#include "resources/resource_ids.h"
#include "shell/dialog_win.h"

namespace {

struct DetailRecord {
  FileType* edited = nullptr;
  FileTypeDetail detail;
};

bool OnInit(HWND dialog, DetailRecord& record) {
  record.detail = OpenFileTypeDetail(*record.edited);
  SendDlgItemMessageA(dialog, IDC_FTDETAIL_TEXT, EM_LIMITTEXT, kTextBufferSize, 0);
  SendDlgItemMessageA(dialog, IDC_FTDETAIL_EXT, EM_LIMITTEXT, kTextBufferSize, 0);
  if (!SetControlText(dialog, IDC_FTDETAIL_TEXT, record.detail.text) ||
      !SetControlText(dialog, IDC_FTDETAIL_EXT, record.detail.ext)) {
    return true;
  }
  // Filling the edits was no change of the user's.
  record.detail.settings.okEnabled = false;
  if (EnableControl(dialog, IDOK, false)) OpenSettings(dialog, record.detail.settings);
  return true;
}

void OnEdit(HWND dialog, DetailRecord& record, int id) {
  const std::string text = ControlText(dialog, id, kTextBufferSize);
  if (id == IDC_FTDETAIL_TEXT) {
    ChangeFileTypeText(record.detail, text);
  } else {
    ChangeFileTypePatterns(record.detail, text);
  }
  EnableControl(dialog, IDOK, true);
}

bool OnCommand(HWND dialog, DetailRecord& record, int id, int code) {
  switch (id) {
    case IDC_FTDETAIL_TEXT:
    case IDC_FTDETAIL_EXT:
      if (code == EN_CHANGE) OnEdit(dialog, record, id);
      return true;
    case IDOK:
      if (record.detail.settings.okEnabled) {
        StoreFileTypeDetail(record.detail, *record.edited);
        EndDialogWith(dialog, kDialogOk);
      }
      return true;
    default: return SettingsCommand(dialog, record.detail.settings, id, code);
  }
}

bool OnMessage(HWND dialog, DetailRecord& record, UINT message, WPARAM, LPARAM lParam, LRESULT*) {
  return message == WM_DRAWITEM &&
         DrawColorLine(dialog, record.detail.settings, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
}

constexpr DialogHandlers<DetailRecord> kDetailDialog = {OnInit, OnCommand, nullptr, OnMessage};

}  // namespace

INT_PTR FileTypeDetailDialog(HWND owner, FileType& record) {
  DetailRecord dialogRecord;
  dialogRecord.edited = &record;
  return RunDialog(IDD_FILETYPEDETAIL, owner, dialogRecord, kDetailDialog);
}
