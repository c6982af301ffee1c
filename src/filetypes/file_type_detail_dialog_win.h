// The file type detail dialog (template 12): description, patterns and the
// settings shared with the properties dialog.
#pragma once

#include <windows.h>

#include "filetypes/file_type.h"
#include "shell/dialog_win.h"

// Runs template 12 owned by owner on record. OK (enabled after a change) stores
// the description and patterns (each cut to 3074 bytes) and the settings and
// returns kDialogOk (1); cancelling returns kDialogCancel (2), record unchanged.
INT_PTR FileTypeDetailDialog(HWND owner, FileType& record);
