// The three pattern combos of the find and replace dialogs.
#include "search/pattern_fields_win.h"

#include <string>

#include "core/codepage.h"
#include "search/search_options.h"
#include "shell/dialog_win.h"

namespace {

bool Unicode(HWND dialog) { return IsWindowUnicode(dialog) != FALSE; }

void AddText(HWND dialog, int id, const std::string& text) {
  SendDlgItemMessageA(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// A UTF-16 text goes into a Unicode dialog as it is, into an ANSI one converted.
void AddWideText(HWND dialog, int id, const std::u16string& text) {
  if (!Unicode(dialog)) return AddText(dialog, id, Utf16ToAnsi(text));
  const std::wstring wide(text.begin(), text.end());
  SendDlgItemMessageW(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

// Writes the forms into the two fields other than `edited`; a failure ends the dialog.
void WriteOtherFields(HWND dialog, PatternFields& fields, int edited) {
  const PatternForms& forms = fields.forms;
  fields.writing = true;
  bool ok = true;
  if (edited != kPatternNumeric) ok = SetControlText(dialog, fields.first, forms.numericFieldText());
  if (ok && edited != kPatternAnsi) ok = SetControlText(dialog, fields.first + kPatternAnsi, forms.ansi);
  if (ok && edited != kPatternUnicode) SetUnicodeControlText(dialog, fields.first + kPatternUnicode, forms.unicode);
  fields.writing = false;
}

PatternForms FormsOfField(HWND dialog, const PatternFields& fields, int field) {
  const int id = fields.first + field;
  switch (field) {
    case kPatternNumeric: return FormsFromNumeric(ControlText(dialog, id), fields.format);
    case kPatternAnsi: return FormsFromAnsi(ControlText(dialog, id), fields.format);
    default:
      return FormsFromUnicode(Unicode(dialog) ? ControlWideText(dialog, id) : AnsiToUtf16(ControlText(dialog, id)),
                              fields.format);
  }
}

void SelectEntry(HWND dialog, PatternFields& fields, int index) {
  const std::vector<uint8_t>& entry = (*fields.history)[static_cast<size_t>(index)];
  fields.forms = FormsOfBytes(entry.data(), static_cast<int>(entry.size()), fields.format);
  fields.writing = true;
  for (int field = 0; field < 3; ++field)
    SendDlgItemMessageA(dialog, fields.first + field, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  fields.writing = false;
}

}  // namespace

bool SetUnicodeControlText(HWND dialog, int id, const std::u16string& text) {
  return Unicode(dialog) ? SetControlWideText(dialog, id, text) : SetControlText(dialog, id, Utf16ToAnsi(text));
}

bool InitPatternFields(HWND dialog, PatternFields& fields) {
  for (int field = 0; field < 3; ++field) {
    if (DialogControl(dialog, fields.first + field) == nullptr) return false;
    SendDlgItemMessageA(dialog, fields.first + field, CB_LIMITTEXT, kPatternFieldLimit, 0);
  }
  fields.forms = PatternForms{};
  if (fields.history == nullptr || fields.history->empty()) return true;
  for (const std::vector<uint8_t>& entry : *fields.history) {
    PatternForms forms = FormsOfBytes(entry.data(), static_cast<int>(entry.size()), fields.format);
    AddText(dialog, fields.first + kPatternNumeric, forms.numericFieldText());
    AddText(dialog, fields.first + kPatternAnsi, forms.ansi);
    AddWideText(dialog, fields.first + kPatternUnicode, forms.unicode);
  }
  SelectEntry(dialog, fields, 0);
  return true;
}

void FocusPatternField(HWND dialog, const PatternFields& fields, int field) {
  if (field < 0 || field > 2) field = 0;
  if (HWND combo = DialogControl(dialog, fields.first + field)) SetFocus(combo);
}

bool OnPatternFieldCommand(HWND dialog, PatternFields& fields, int id, int code) {
  const int field = id - fields.first;
  if (field < 0 || field > 2) return false;
  if (fields.writing) return true;
  if (code == CBN_EDITCHANGE) {
    fields.forms = FormsOfField(dialog, fields, field);
    WriteOtherFields(dialog, fields, field);
  } else if (code == CBN_SELCHANGE) {
    const int index = static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0));
    if (fields.history != nullptr && index >= 0 && static_cast<size_t>(index) < fields.history->size())
      SelectEntry(dialog, fields, index);
  }
  return true;
}

ByteSequence PatternOnOk(HWND dialog, const PatternFields& fields) {
  return PatternOnOk(ControlText(dialog, fields.first + kPatternNumeric), fields.forms, fields.format);
}

bool ShowSearchOptions(HWND dialog, int options, int caseBox, int widthBox, int up, int down) {
  return SetCheckBox(dialog, caseBox, (options & kSearchCaseSensitive) != 0) &&
         SetCheckBox(dialog, widthBox, (options & kSearchWidthSensitive) != 0) &&
         CheckRadio(dialog, up, down, (options & kSearchUpward) ? up : down);
}

int SearchOptionsShown(HWND dialog, int caseBox, int widthBox, int up) {
  return (IsChecked(dialog, caseBox) ? kSearchCaseSensitive : 0) |
         (IsChecked(dialog, widthBox) ? kSearchWidthSensitive : 0) | (IsChecked(dialog, up) ? kSearchUpward : 0);
}
