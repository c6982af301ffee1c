// What the find and replace dialogs share: three combo boxes that show one
// pattern in its three forms (numbers, Shift-JIS text, UTF-16 text) and keep
// them in step as the user types or picks a history entry, and the option
// boxes.
#pragma once

#include <windows.h>

#include <string>

#include "search/pattern_forms.h"
#include "search/search_history.h"

struct PatternFields {
  int first = 0;                          // id of the numeric combo; the ANSI and UNICODE combos follow it
  PatternNumberFormat format{16, -2, false};
  const PatternHistory* history = nullptr;  // the entries the combos list; not owned
  PatternForms forms;                     // the pattern as the fields show it
  bool writing = false;                   // the fields are being rewritten: their notifications are ignored
};

// Limits the three combos to kPatternFieldLimit characters and lists every
// history entry in its three forms (the numeric one cut to what the field
// holds); selects the newest entry in all three when there is one. Returns
// false after a failure was reported (the dialog is then ending).
bool InitPatternFields(HWND dialog, PatternFields& fields);

// Focuses the field 0 (numeric), 1 (ANSI) or 2 (UNICODE); other values give 0.
void FocusPatternField(HWND dialog, const PatternFields& fields, int field);

// A WM_COMMAND from a control: when id is one of the three combos, an edit
// (CBN_EDITCHANGE) recomputes the pattern from that combo alone and rewrites
// the other two; a pick (CBN_SELCHANGE) takes the history entry and selects it
// in the other two. Returns true when id is one of the three (whatever the code).
bool OnPatternFieldCommand(HWND dialog, PatternFields& fields, int id, int code);

// The pattern OK takes: the numeric field's text counts (PatternOnOk).
ByteSequence PatternOnOk(HWND dialog, const PatternFields& fields);

// Checks the case and width boxes and the up or down radio button as options
// say. Returns false after a failure was reported (the dialog is then ending).
bool ShowSearchOptions(HWND dialog, int options, int caseBox, int widthBox, int up, int down);

// The options the case and width boxes and the up button show.
int SearchOptionsShown(HWND dialog, int caseBox, int widthBox, int up);

// Sets a control's text from UTF-16: as it is in a Unicode dialog, converted to
// the ANSI code page in an ANSI one. False after a reported failure.
bool SetUnicodeControlText(HWND dialog, int id, const std::u16string& text);
