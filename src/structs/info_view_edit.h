// Editing a member in the information view: opening the in-place edit box on the
// current row, and committing its text to the document as one undoable edit.
#pragma once

#include <string_view>

#include "core/edit.h"
#include "structs/info_view_model.h"

// What the edit box starts with.
struct MemberEditor {
  MemberValueText text;  // UTF-16 only for a UNICODE string in a UTF-16 box
  int limit = 0;         // MemberEditLimit for the box
};

// True when the edit box may open: Shown (not already editing), a current row
// that exists and is editable (IsEditableRow).
bool CanOpenEditor(const InfoViewState& view);

// Opens the editor on the current row: reads the member's bytes at caret +
// offset and gives the box's text (utf16Box: the box is a UTF-16 window) and
// limit; the phase becomes Editing (the window disables both scroll bars and
// the four navigation buttons). Returns 0; 1 when CanOpenEditor is false
// (nothing happens: a double click on a not-editable row does nothing); -1 after
// showing "ﾃﾞｰﾀを取得できません。" (stop icon) when the bytes cannot be read.
int OpenEditor(InfoViewState& view, bool utf16Box, MemberEditor* editor);

// Commits the edit box's text (ANSI, or UTF-16 from a UTF-16 box) to the current
// row: the member's parser gives exactly byteCount bytes; the member's bytes
// become the selection (anchor caret + offset, caret after them, digitIndex 0)
// and ReplaceSelection overwrites them; CommitStep pushes the step (view, which
// may be null, is told as for any edit). Afterwards the caret is back at the
// start address, the selection is gone, the document is modified and the phase
// is Shown. Returns 0; 1 when not editing (nothing happens); -1 when
// ReplaceSelection failed (it has reported; the selection stays on the
// member's bytes, the phase becomes Shown).
int CommitEditor(InfoViewState& view, std::string_view text, EditView* editView);
int CommitEditor(InfoViewState& view, std::u16string_view text, EditView* editView);

// Escape in the edit box: the box goes, the bytes stay; the phase becomes Shown.
void DiscardEditor(InfoViewState& view);
