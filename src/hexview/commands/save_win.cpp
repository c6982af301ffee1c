// Saving documents: Save, Save As and the question before a modified document closes.
#include "hexview/commands/save_win.h"

#include <commdlg.h>

#include <cstring>
#include <string>

#include "core/document.h"
#include "core/messages.h"
#include "core/path.h"
#include "core/undo.h"
#include "core/user_message.h"
#include "core/write_file.h"
#include "filetypes/file_type.h"
#include "filetypes/filter_list.h"
#include "hexview/commands/view_menus_win.h"
#include "hexview/hex_view_win.h"
#include "hexview/render/view_resources_win.h"
#include "hexview/window_titles_win.h"
#include "shell/file_history_win.h"
#include "shell/process_state.h"
#include "shell/progress_dialog_win.h"
#include "shell/shell.h"

namespace {

int WriteWithProgress(const char* path, Document& doc) {
  DialogProgress progress;
  return WriteFile(path, doc, progress, g_shell.mdiClient);
}

// After a successful write nothing can be undone across it. Returns true when
// a list held a step (undo or redo availability changed).
bool ForgetEdits(Document& doc) {
  doc.modified = 0;
  int redo = FreeStepList(doc.redoList);
  int undo = FreeStepList(doc.undoList);
  return redo + undo > 0;
}

// The frame's menus follow the active document only.
void RefreshMenusFor(HWND view, const Document& doc) {
  if (ActiveDocumentWindow() == view) RefreshMenuState(&doc);
}

void CopyPath(Document& doc, const char* path) {
  size_t n = std::strlen(path);
  if (n > sizeof doc.path - 1) n = sizeof doc.path - 1;
  std::memcpy(doc.path, path, n);
  doc.path[n] = '\0';
}

// The Save As filter index (1-based) from bits 8-15 of the filter setting.
DWORD SavedFilterIndex(int typeCount) {
  int saved = g_settings.filter == kUnset ? 0 : (g_settings.filter >> 8) & 0xFF;
  return saved < typeCount ? static_cast<DWORD>(saved + 1) : 1;
}

void RememberFilterIndex(DWORD index) {
  int low = g_settings.filter == kUnset ? 0 : g_settings.filter & 0xFF;
  int chosen = index > 0 ? static_cast<int>(index - 1) & 0xFF : 0;
  g_settings.filter = low | (chosen << 8);
}

// Asks for the path with the common save dialog; false when cancelled.
bool AskSavePath(const Document& doc, char (&file)[kTextBufferSize]) {
  std::string filters = BuildFilterList(g_fileTypes);
  int typeCount = static_cast<int>(g_fileTypes.types.size());
  PathParts parts;
  std::string initial = SplitPath(doc.path, &parts) == 0 ? parts.name + parts.ext : std::string();
  if (initial.size() > sizeof file - 1) initial.clear();
  std::memcpy(file, initial.c_str(), initial.size() + 1);

  OPENFILENAMEA ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = g_shell.mdiClient;
  ofn.lpstrFilter = typeCount > 0 ? filters.c_str() : nullptr;
  ofn.nFilterIndex = SavedFilterIndex(typeCount);
  ofn.lpstrFile = file;
  ofn.nMaxFile = sizeof file;
  ofn.lpstrInitialDir = g_settings.savepath.empty() ? nullptr : g_settings.savepath.c_str();
  ofn.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
  if (!GetSaveFileNameA(&ofn)) return false;
  RememberFilterIndex(ofn.nFilterIndex);
  g_settings.savepath.assign(file, ofn.nFileOffset);
  return true;
}

}  // namespace

void SaveDocument(HWND view) {
  Document* doc = DocumentOf(view);
  if (doc == nullptr) return;
  // A document that holds only the first part of its file must not replace the
  // whole file without the user choosing so: it goes through Save As, whose
  // dialog asks before overwriting.
  if (doc->untitled || doc->partial) {
    SaveDocumentAs(view);
    return;
  }
  if ((doc->options & kOptAskOverwrite) && FileExists(doc->path)) {
    std::string question = std::string(doc->path) + kMsgAlreadyExistsOverwrite;
    if (ShowMessage(question.c_str(), MessageIcon::Information, MessageButtons::YesNo, view) != MessageAnswer::Yes)
      return;
  }
  if (WriteWithProgress(doc->path, *doc) != 0) return;
  if (ForgetEdits(*doc)) RefreshMenusFor(view, *doc);
}

void SaveDocumentAs(HWND view) {
  Document* doc = DocumentOf(view);
  if (doc == nullptr) return;
  char file[kTextBufferSize] = {};
  if (!AskSavePath(*doc, file)) return;
  if (WriteWithProgress(file, *doc) != 0) return;

  std::string oldPath = doc->path;
  ForgetEdits(*doc);
  doc->untitled = 0;
  doc->partial = 0;
  CopyPath(*doc, file);
  SetDocumentWindowIcons(view, doc->path);
  RefreshMenusFor(view, *doc);
  if (AddToFileHistory(doc->path, g_shell.frame, g_settings.history) != 0) {
    FailAndDestroyFrame(kMsgCannotSetHistory);
    return;
  }
  // The window now shows its file under the bare name; the windows of the old
  // path lose this one as if it had closed.
  doc->titleNumber = -1;
  TidyTitlesAfterClose(view, oldPath.c_str());
  if (!SetWindowTextA(view, ShortTitle(doc->path).c_str())) FailAndDestroyFrame(kMsgCannotSetWindowText);
}

bool ConfirmClose(HWND view) {
  Document* doc = DocumentOf(view);
  if (doc == nullptr || !doc->modified) return true;
  std::string question = std::string("ﾌｧｲﾙ ") + doc->path + kMsgChangedSaveQuestion;
  MessageAnswer answer = ShowMessage(question.c_str(), MessageIcon::Information, MessageButtons::YesNoCancel, view);
  if (answer == MessageAnswer::No) return true;
  if (answer != MessageAnswer::Yes) return false;
  SaveDocument(view);
  // A failure that ended the program has taken the window and its document with it.
  if (!IsWindow(view) || DocumentOf(view) != doc) return false;
  return !doc->modified;
}
