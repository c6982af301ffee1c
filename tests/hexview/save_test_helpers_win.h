// Shared steps of the document-window GUI tests: editing a document as the
// keys would, reading its bytes and files back, answering the save dialog.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "shell/shell.h"
#include "core/document.h"
#include "core/edit.h"
#include "hexview/commands/edit_view_win.h"
#include "hexview/hex_view_win.h"
#include "support/dialog_driver_win.h"
#include "support/shell_fixture_win.h"

// Replaces [from, to) of view's document by bytes (to == from inserts) as one
// committed edit, the way typing or pasting does.
inline void EditBytes(HWND view, int32_t from, int32_t to, const std::string& bytes) {
  Document* doc = DocumentOf(view);
  doc->caret = from;
  doc->anchor = to == from ? -1 : to;
  UndoStep* step = ReplaceSelection(*doc, reinterpret_cast<const uint8_t*>(bytes.data()),
                                    static_cast<int32_t>(bytes.size()), kCaretAfter, false, EditViewOf(view));
  CommitStep(*doc, step, EditViewOf(view));
}




// The bytes of a file, or "<missing>".
inline std::string FileBytes(const std::string& path) {
  bool ok = false;
  std::vector<uint8_t> bytes = ReadWholeFile(path, &ok);
  return ok ? std::string(bytes.begin(), bytes.end()) : std::string("<missing>");
}

// The document window whose document has path (compared without case), or null.
inline HWND WindowOf(const std::string& path) {
  for (HWND w : DocumentWindows())
    if (lstrcmpiA(DocumentOf(w)->path, path.c_str()) == 0) return w;
  return nullptr;
}

// The common save dialog's file name box (a combo box with an edit inside).
inline constexpr int kSaveNameBox = 0x47c;
inline constexpr int kSaveTypeBox = 0x470;

inline std::string SaveDialogName(HWND dialog) { return DialogDriver::Text(dialog, kSaveNameBox); }

// Types path into the save dialog and presses its save button.
inline void SaveDialogAnswer(HWND dialog, const std::string& path) {
  SetDlgItemTextA(dialog, kSaveNameBox, path.c_str());
  DialogDriver::Press(dialog, IDOK);
}

// The progress dialog of a save is a dialog too: let it run without aborting.
inline void LetProgressRun(DialogDriver& dialogs) {
  dialogs.Then([](HWND) {});
}


inline void Command(HWND view, int id) { SendMessageA(view, WM_COMMAND, id, 0); }

// The names in a folder, "." and ".." left out.
inline std::vector<std::string> FolderNames(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    std::string name = data.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(find, &data));
  FindClose(find);
  return names;
}
