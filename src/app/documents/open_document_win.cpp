// OpenDocument: the record, the file type's settings, loading, the title, the
// window and the file-history entry.
#include "app/documents/open_document_win.h"

#include <windows.h>

#include <cstring>
#include <string>

#include "app/documents/new_document_name.h"
#include "core/codepage.h"
#include "core/document.h"
#include "core/load_file.h"
#include "core/messages.h"
#include "core/path.h"
#include "core/user_message.h"
#include "filetypes/file_type.h"
#include "hexview/window_titles_win.h"
#include "shell/file_history_win.h"
#include "shell/process_state.h"
#include "shell/progress_dialog_win.h"
#include "shell/shell.h"

namespace {

void TakeFileTypeSettings(Document& doc, int index) {
  if (index < 0 || index >= static_cast<int>(g_fileTypes.types.size())) return;
  const FileType& type = g_fileTypes.types[static_cast<size_t>(index)];
  doc.options = type.view;
  std::memcpy(doc.color, type.color, sizeof doc.color);
  doc.font = type.logfont;
}

void SetPath(Document& doc, const std::string& path) {
  size_t n = path.size() < sizeof doc.path - 1 ? path.size() : sizeof doc.path - 1;
  std::memcpy(doc.path, path.data(), n);
  doc.path[n] = '\0';
}

// The title of a newly opened document, numbering windows of the same path.
std::string TitleFor(Document& doc) {
  TitleQuery same;
  same.path = doc.path;
  same.mode = 2;
  UpdateTitles(same);
  if (same.count > 0) {
    doc.titleNumber = same.maxTitleNumber + 1;
    return std::string(doc.path) + ":" + std::to_string(doc.titleNumber);
  }
  doc.titleNumber = -1;
  TitleQuery names;
  names.path = doc.path;
  names.mode = 3;
  UpdateTitles(names);
  return names.count > 0 ? std::string(doc.path) : ShortTitle(doc.path);
}

bool StartMaximised() {
  BOOL maximised = FALSE;
  HWND active = reinterpret_cast<HWND>(SendMessageA(g_shell.mdiClient, WM_MDIGETACTIVE, 0,
                                                    reinterpret_cast<LPARAM>(&maximised)));
  if (active != nullptr) return maximised != FALSE;
  return g_settings.zoomed == 1;
}

HWND CreateDocumentWindow(Document* doc, const std::string& title) {
  DWORD style = WS_VSCROLL | WS_HSCROLL | (StartMaximised() ? WS_MAXIMIZE : 0);
  if (g_shell.unicodeViews) {
    std::u16string wideTitle = AnsiToUtf16(title);
    MDICREATESTRUCTW mcs = {};
    mcs.szClass = L"BINClass";
    mcs.szTitle = reinterpret_cast<const wchar_t*>(wideTitle.c_str());
    mcs.hOwner = g_shell.instance;
    mcs.x = mcs.y = mcs.cx = mcs.cy = CW_USEDEFAULT;
    mcs.style = style;
    mcs.lParam = reinterpret_cast<LPARAM>(doc);
    return reinterpret_cast<HWND>(SendMessageW(g_shell.mdiClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
  }
  MDICREATESTRUCTA mcs = {};
  mcs.szClass = "BINClass";
  mcs.szTitle = title.c_str();
  mcs.hOwner = g_shell.instance;
  mcs.x = mcs.y = mcs.cx = mcs.cy = CW_USEDEFAULT;
  mcs.style = style;
  mcs.lParam = reinterpret_cast<LPARAM>(doc);
  return reinterpret_cast<HWND>(SendMessageA(g_shell.mdiClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
}

}  // namespace

int OpenDocument(const char* path) {
  Document* doc = CreateDocument();
  if (doc == nullptr) {
    FailAndDestroyFrame(kMsgNoMemory);
    return -1;
  }
  if (path == nullptr) {
    std::string firstExt = g_fileTypes.types.empty() ? std::string() : g_fileTypes.types[0].ext;
    SetPath(*doc, NewDocumentName(g_shell.newDocumentCounter, firstExt));
    g_shell.newDocumentCounter = (g_shell.newDocumentCounter + 1) % 10000;
    doc->untitled = 1;
    TakeFileTypeSettings(*doc, 0);
  } else {
    SetPath(*doc, CanonicalPath(path));
    TakeFileTypeSettings(*doc, SelectFileType(g_fileTypes, doc->path));
    doc->untitled = 0;
    if (FileExists(doc->path)) {
      DialogProgress progress;
      if (LoadFile(*doc, progress) != 0) {
        FreeDocument(doc);
        return 0;
      }
    }
  }
  if (doc->cursorBlock == nullptr && ResetToEmpty(*doc) != 0) {
    FreeDocument(doc);
    FailAndDestroyFrame(kMsgNoMemory);
    return -1;
  }

  std::string title = DocumentTitle(*doc, TitleFor(*doc));
  g_shell.viewCreationReported = false;
  HWND window = CreateDocumentWindow(doc, title);
  if (window == nullptr) {
    // A window that failed in its own creation has freed the record and said why.
    if (g_shell.viewCreationReported) {
      if (g_shell.frame != nullptr) DestroyWindow(g_shell.frame);
    } else {
      FailAndDestroyFrame(kMsgCannotCreateWindow);
    }
    return -1;
  }
  if (!doc->untitled && AddToFileHistory(doc->path, g_shell.frame, g_settings.history) != 0) {
    FailAndDestroyFrame(kMsgCannotSetHistory);
    return -1;
  }
  return 0;
}
