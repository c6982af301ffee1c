// The template detail dialog: the name and the members of one template, edited
// on a copy that replaces the template only on OK.
#include <utility>

#include "resources/resource_ids.h"
#include "shell/dialog_win.h"
#include "structs/structure_detail.h"
#include "structs/structure_list_dialog_win.h"

namespace {

struct DetailRecord {
  Structure* structure = nullptr;
  StructureDetail detail;
  bool loading = false;  // the dialog fills its controls: their change notices are not the user's
};

LRESULT SendMembers(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam = 0) {
  return SendDlgItemMessageA(dialog, IDC_STRUCTDETAIL_MEMBERS, message, wParam, lParam);
}

void InsertEntry(HWND dialog, const DetailRecord& r, int32_t index) {
  const char* text = r.detail.workingMembers[static_cast<size_t>(index)].description.c_str();
  SendMembers(dialog, LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
}

bool SetTextIfChanged(HWND dialog, int id, const std::string& text) {
  return ControlText(dialog, id, kDetailTextLimit) == text || SetControlText(dialog, id, text);
}

// The member controls show r.detail.controls; the edit being typed in keeps its caret.
bool ShowControls(HWND dialog, DetailRecord& r) {
  const MemberControls& c = r.detail.controls;
  r.loading = true;
  const bool shown =
      SetTextIfChanged(dialog, IDC_STRUCTDETAIL_DESCRIPTION, c.description) &&
      SetTextIfChanged(dialog, IDC_STRUCTDETAIL_BYTECOUNT, c.byteCountText) &&
      SetCheckBox(dialog, IDC_STRUCTDETAIL_NOTEDITABLE, c.notEditable) &&
      CheckRadio(dialog, IDC_STRUCTDETAIL_KIND_FIRST, IDC_STRUCTDETAIL_KIND_LAST,
                 IDC_STRUCTDETAIL_KIND_FIRST + static_cast<int>(c.kind)) &&
      CheckRadio(dialog, IDC_STRUCTDETAIL_RADIX_FIRST, IDC_STRUCTDETAIL_RADIX_LAST,
                 IDC_STRUCTDETAIL_RADIX_FIRST + c.radix) &&
      CheckRadio(dialog, IDC_STRUCTDETAIL_INTEL, IDC_STRUCTDETAIL_MOTOROLA,
                 c.motorola ? IDC_STRUCTDETAIL_MOTOROLA : IDC_STRUCTDETAIL_INTEL) &&
      CheckRadio(dialog, IDC_STRUCTDETAIL_SHIFTJIS, IDC_STRUCTDETAIL_UNICODE,
                 c.unicode ? IDC_STRUCTDETAIL_UNICODE : IDC_STRUCTDETAIL_SHIFTJIS);
  r.loading = false;
  return shown;
}

void ApplyEnables(HWND dialog, const DetailRecord& r) {
  const DetailEnables e = DetailEnableState(r.detail);
  const std::pair<int, bool> states[] = {
      {IDC_STRUCTDETAIL_NOTEDITABLE, e.notEditable}, {IDC_STRUCTDETAIL_BYTECOUNT, e.byteCount},
      {IDC_STRUCTDETAIL_SPIN, e.byteCount},          {IDC_STRUCTDETAIL_RADIXGROUP, e.radix},
      {117, e.radix}, {118, e.radix}, {119, e.radix}, {120, e.radix}, {121, e.radix},
      {IDC_STRUCTDETAIL_ORDERGROUP, e.byteOrder},    {IDC_STRUCTDETAIL_INTEL, e.byteOrder},
      {IDC_STRUCTDETAIL_MOTOROLA, e.byteOrder},      {IDC_STRUCTDETAIL_CHARGROUP, e.charCode},
      {IDC_STRUCTDETAIL_SHIFTJIS, e.charCode},       {IDC_STRUCTDETAIL_UNICODE, e.charCode},
      {IDC_STRUCTDETAIL_NEWMEMBER, e.newMember},     {IDC_STRUCTDETAIL_DELETEMEMBER, e.deleteMember},
      {IDOK, e.ok}};
  for (const auto& [id, on] : states) {
    if (!EnableControl(dialog, id, on)) return;
  }
}

void Refresh(HWND dialog, DetailRecord& r) {
  if (ShowControls(dialog, r)) ApplyEnables(dialog, r);
}

bool OnInit(HWND dialog, DetailRecord& r) {
  if (OpenStructureDetail(*r.structure, &r.detail) != 0) {
    EndDialogWith(dialog, kDialogCancel);
    return true;
  }
  SendDlgItemMessageA(dialog, IDC_STRUCTDETAIL_NAME, EM_LIMITTEXT, kDetailTextLimit, 0);
  SendDlgItemMessageA(dialog, IDC_STRUCTDETAIL_DESCRIPTION, EM_LIMITTEXT, kDetailTextLimit, 0);
  SendDlgItemMessageA(dialog, IDC_STRUCTDETAIL_BYTECOUNT, EM_LIMITTEXT, kByteCountTextLimit, 0);
  r.loading = true;
  const bool named = SetControlText(dialog, IDC_STRUCTDETAIL_NAME, r.detail.workingName);
  r.loading = false;
  if (!named) return true;
  for (int32_t i = 0; i < static_cast<int32_t>(r.detail.workingMembers.size()); ++i) InsertEntry(dialog, r, i);
  SendMembers(dialog, LB_SETCURSEL, 0);
  Refresh(dialog, r);
  return true;
}

// 新規 puts the new member's entry after the selected one and selects it.
void OnNewMember(HWND dialog, DetailRecord& r) {
  const int added = AddDetailMember(r.detail);
  if (added < 0) EndDialogWith(dialog, kDialogCancel);  // reported; the template is untouched
  if (added != 0) return;
  InsertEntry(dialog, r, r.detail.selected);
  SendMembers(dialog, LB_SETCURSEL, static_cast<WPARAM>(r.detail.selected));
}

void OnDeleteMember(HWND dialog, DetailRecord& r) {
  const int32_t removed = r.detail.selected;
  if (!DeleteDetailMember(r.detail)) return;
  SendMembers(dialog, LB_DELETESTRING, static_cast<WPARAM>(removed));
  SendMembers(dialog, LB_SETCURSEL, static_cast<WPARAM>(r.detail.selected));
}

void OnDescription(HWND dialog, DetailRecord& r) {
  ChangeDetailDescription(r.detail, ControlText(dialog, IDC_STRUCTDETAIL_DESCRIPTION, kDetailTextLimit));
  const int32_t at = r.detail.selected;
  if (at < 0 || at >= static_cast<int32_t>(r.detail.workingMembers.size())) return;
  SendMembers(dialog, LB_DELETESTRING, static_cast<WPARAM>(at));
  InsertEntry(dialog, r, at);
  SendMembers(dialog, LB_SETCURSEL, static_cast<WPARAM>(at));
}

void OnOk(HWND dialog, DetailRecord& r) {
  EndDialogWith(dialog, CommitStructureDetail(r.detail, *r.structure) == 0 ? kDialogOk : kDialogCancel);
}

// Applies the change a control reports; false when the notice changes nothing
// (an edit's EN_UPDATE, a list's focus, commands that are not the dialog's).
bool Change(HWND dialog, DetailRecord& r, int id, int code) {
  StructureDetail& d = r.detail;
  const bool clicked = code == BN_CLICKED, edited = code == EN_CHANGE;
  if (id >= IDC_STRUCTDETAIL_KIND_FIRST && id <= IDC_STRUCTDETAIL_KIND_LAST && clicked) {
    ChooseDetailKind(d, static_cast<uint32_t>(id - IDC_STRUCTDETAIL_KIND_FIRST));
    return true;
  }
  if (id >= IDC_STRUCTDETAIL_RADIX_FIRST && id <= IDC_STRUCTDETAIL_RADIX_LAST && clicked) {
    ChooseDetailRadix(d, id - IDC_STRUCTDETAIL_RADIX_FIRST);
    return true;
  }
  if (id == IDC_STRUCTDETAIL_NAME && edited) {
    ChangeDetailName(d, ControlText(dialog, IDC_STRUCTDETAIL_NAME, kDetailTextLimit));
  } else if (id == IDC_STRUCTDETAIL_DESCRIPTION && edited) {
    OnDescription(dialog, r);
  } else if (id == IDC_STRUCTDETAIL_BYTECOUNT && edited) {
    ChangeDetailByteCount(d, ControlText(dialog, IDC_STRUCTDETAIL_BYTECOUNT, kByteCountTextLimit));
  } else if ((id == IDC_STRUCTDETAIL_INTEL || id == IDC_STRUCTDETAIL_MOTOROLA) && clicked) {
    ChooseDetailByteOrder(d, id == IDC_STRUCTDETAIL_MOTOROLA);
  } else if ((id == IDC_STRUCTDETAIL_SHIFTJIS || id == IDC_STRUCTDETAIL_UNICODE) && clicked) {
    ChooseDetailCharCode(d, id == IDC_STRUCTDETAIL_UNICODE);
  } else if (id == IDC_STRUCTDETAIL_NOTEDITABLE && clicked) {
    ChangeDetailNotEditable(d, IsChecked(dialog, IDC_STRUCTDETAIL_NOTEDITABLE));
  } else if (id == IDC_STRUCTDETAIL_MEMBERS && code == LBN_SELCHANGE) {
    SelectDetailMember(d, static_cast<int32_t>(SendMembers(dialog, LB_GETCURSEL, 0)));
  } else if (id == IDC_STRUCTDETAIL_NEWMEMBER) {
    OnNewMember(dialog, r);
  } else if (id == IDC_STRUCTDETAIL_DELETEMEMBER) {
    OnDeleteMember(dialog, r);
  } else {
    return false;
  }
  return true;
}

bool OnCommand(HWND dialog, DetailRecord& r, int id, int code) {
  if (id == IDOK) {
    OnOk(dialog, r);
    return true;
  }
  if (r.loading || !Change(dialog, r, id, code)) return id != IDCANCEL;
  Refresh(dialog, r);
  return true;
}

void OnSpin(HWND dialog, DetailRecord& r, int control, int code) {
  if (control != IDC_STRUCTDETAIL_SPIN) return;
  SpinDetailByteCount(r.detail, code == SB_LINEUP ? SpinCode::Up : code == SB_LINEDOWN ? SpinCode::Down
                                                                                        : SpinCode::Other);
  Refresh(dialog, r);
}

constexpr DialogHandlers<DetailRecord> kDetailDialog = {OnInit, OnCommand, OnSpin};

}  // namespace

INT_PTR EditStructure(HWND owner, Structure& structure) {
  DetailRecord record;
  record.structure = &structure;
  return RunDialog(IDD_STRUCTDETAIL, owner, record, kDetailDialog);
}
