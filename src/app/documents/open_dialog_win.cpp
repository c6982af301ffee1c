// The Open dialog: filters from the file types, remembered filter index and folder.
#include "app/documents/open_dialog_win.h"

#include <windows.h>
#include <commdlg.h>

#include <string>

#include "app/documents/open_document_win.h"
#include "core/text_limits.h"
#include "filetypes/file_type.h"
#include "filetypes/filter_list.h"
#include "shell/process_state.h"
#include "shell/shell.h"

void RunOpenDialog() {
  std::string filters = BuildFilterList(g_fileTypes);
  char file[kTextBufferSize] = {};
  OPENFILENAMEA ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = g_shell.mdiClient;
  ofn.lpstrFilter = filters.c_str();
  ofn.nFilterIndex = static_cast<DWORD>((g_settings.filter & 0xFF) + 1);
  ofn.lpstrFile = file;
  ofn.nMaxFile = sizeof file;
  ofn.lpstrInitialDir = g_settings.openpath.empty() ? nullptr : g_settings.openpath.c_str();
  ofn.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!GetOpenFileNameA(&ofn)) return;
  int index = static_cast<int>(ofn.nFilterIndex) - 1;
  if (index < 0) index = 0;
  g_settings.filter = (g_settings.filter & ~0xFF) | (index & 0xFF);
  g_settings.openpath.assign(file, ofn.nFileOffset);
  OpenDocument(file);
}
