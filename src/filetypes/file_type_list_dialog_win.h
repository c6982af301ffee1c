// The file type list dialog (template 13): new, delete, move, edit and drag
// and drop over the program's file types.
#pragma once

#include <windows.h>

// Runs template 13 owned by owner. It works on g_fileTypes in place (there is
// no cancel): new appends a copy of the current type, delete never leaves the
// list empty, move sends the current type to the end, a drop moves it onto the
// entry under the cursor, edit opens the detail dialog. Every reordering or
// deletion sets the Open and Save As filter setting to 0.
void FileTypeListDialog(HWND owner);
