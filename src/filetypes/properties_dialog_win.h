// The properties dialog (template 3) over the settings of one FileType-shaped
// record, and the small dialog that picks a stored file type (template 2).
#pragma once

#include <windows.h>

#include "filetypes/file_type.h"
#include "shell/dialog_win.h"

// Runs template 3 owned by owner on record's view, color and logfont; text and
// ext are not touched. Nothing reaches record before OK, which is enabled only
// after a change. Returns kDialogOk (1) when record was updated, else
// kDialogCancel (2). Its ﾌｧｲﾙﾀｲﾌﾟ button loads a type of g_fileTypes into the
// dialog, preselecting the low byte of the Open filter.
INT_PTR PropertiesDialog(HWND owner, FileType& record);

// Runs template 2 owned by owner: the descriptions of g_fileTypes with *index
// preselected (0 when it is not inside the list). OK or a double click stores
// the selected index in *index and returns kDialogOk; cancelling, or OK with
// nothing selected, returns kDialogCancel and leaves *index alone.
INT_PTR LoadFileTypeDialog(HWND owner, int* index);
