// The template list dialog's operations on the template list: new, delete, move
// to the end, drag and drop, and what is enabled. The dialog only mirrors the
// list box and the buttons; every change of the list goes through here.
#pragma once

#include <cstdint>

#include "structs/structure.h"

// The selection when the dialog opens: lastUsed, or 0 when that is outside the list.
int32_t InitialStructureSelection(const StructureList& list);

// Button states: 削除 when the list holds a template; 移動 when selected is not
// the last one; 編集 (and a double click) only on an existing template: an empty
// list has nothing to open.
bool CanDeleteStructure(const StructureList& list);
bool CanMoveStructure(const StructureList& list, int32_t selected);
bool CanEditStructure(const StructureList& list, int32_t selected);

// 新規: appends "新規構造体" with one editable BYTE member "新規ﾒﾝﾊﾞ" (hexadecimal,
// Intel, Shift-JIS; totalSize 1) and selects it. Returns 0, or -1 after showing
// "ﾒﾓﾘを確保できません" (warning icon); the list and *selected are then unchanged.
int NewStructure(StructureList& list, int32_t* selected);

// 削除: removes the selected template; the selection stays at its index, or
// moves to the one before when the last was removed (-1 once the list is empty).
// lastUsed becomes 0. Returns false (nothing happens) for a selection outside the list.
bool DeleteStructure(StructureList& list, int32_t* selected);

// 移動: moves the selected template to the end; the selection stays at its
// index, now on the template that followed. lastUsed becomes 0. Returns false
// (nothing happens) for the last template or a selection outside the list.
bool MoveStructureToEnd(StructureList& list, int32_t selected);

// A drop on entry target: the selected template moves there, those in between
// shift one place toward its old place, and the selection follows it. lastUsed
// becomes 0. A drop outside the entries (target -1 or out of range) or on the
// selected entry, or a selection outside the list, changes nothing (false).
bool DropStructure(StructureList& list, int32_t* selected, int32_t target);

// 閉じる: minimumSize is brought up to date.
void CloseStructureList(StructureList& list);
