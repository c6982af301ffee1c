// The template list dialog (template 11) and the detail dialog (template 10).
#pragma once

#include <windows.h>

#include "structs/structure.h"

// Opens the list dialog over g_structures, owned by owner; returns when it is
// closed. minimumSize is brought up to date however the dialog ended.
void ShowStructureList(HWND owner);

// Opens the detail dialog on structure, owned by owner. Returns kDialogOk when
// the template was replaced by the edited copy, kDialogCancel when it was left
// exactly as it was (cancelled, or a failure that was reported).
INT_PTR EditStructure(HWND owner, Structure& structure);
