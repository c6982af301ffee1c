// Titles of document windows: numbers for the same file, full paths for same names.
#include "hexview/window_titles_win.h"

#include <string>

#include "core/document.h"
#include "core/messages.h"
#include "core/path.h"
#include "core/user_message.h"
#include "hexview/hex_view_win.h"
#include "shell/shell.h"

namespace {

bool SameNameAndExtension(const char* a, const char* b) {
  PathParts pa, pb;
  if (SplitPath(a, &pa) != 0 || SplitPath(b, &pb) != 0) return false;
  return pa.name == pb.name && pa.ext == pb.ext;
}

void SetTitle(HWND window, const Document& doc, const std::string& base) {
  if (!SetWindowTextA(window, DocumentTitle(doc, base).c_str()))
    ShowMessage(kMsgCannotSetWindowText, MessageIcon::Warning, MessageButtons::Ok, g_shell.mdiClient);
}

// Counts the windows other than closing in countMode; when exactly one is left,
// runs retitleMode over them and returns true.
bool RetitleSoleWindow(HWND closing, const char* path, int countMode, int retitleMode) {
  TitleQuery query;
  query.path = path;
  query.mode = countMode;
  query.exclude = closing;
  UpdateTitles(query);
  if (query.count != 1) return false;
  query.mode = retitleMode;
  query.count = 0;
  UpdateTitles(query);
  return true;
}

}  // namespace

std::string ShortTitle(const char* path) {
  PathParts parts;
  if (SplitPath(path, &parts) != 0) return path;
  return parts.name + parts.ext;
}

std::string DocumentTitle(const Document& doc, const std::string& base) {
  return doc.partial ? base + " (読み込み中断)" : base;
}

void UpdateTitles(TitleQuery& q) {
  if (g_shell.mdiClient == nullptr || q.mode < 0 || q.mode > 5) return;
  // Even modes look at windows of the same path, odd ones at the same name and extension.
  const bool byPath = q.mode % 2 == 0;
  for (HWND w = GetWindow(g_shell.mdiClient, GW_CHILD); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
    if (w == q.exclude || !IsDocumentWindow(w)) continue;
    Document* d = DocumentOf(w);
    if (d == nullptr) continue;
    if (byPath ? lstrcmpA(d->path, q.path) != 0 : !SameNameAndExtension(d->path, q.path)) continue;
    q.count += 1;
    switch (q.mode) {
      case 2:
        if (d->titleNumber < 0) {
          d->titleNumber = 0;
          SetTitle(w, *d, std::string(d->path) + ":0");
        }
        [[fallthrough]];
      case 0:
        if (d->titleNumber > q.maxTitleNumber) q.maxTitleNumber = d->titleNumber;
        break;
      case 3:
        if (d->titleNumber < 0) SetTitle(w, *d, d->path);
        break;
      case 4:
      case 5:
        d->titleNumber = -1;
        SetTitle(w, *d, q.mode == 4 ? std::string(d->path) : ShortTitle(d->path));
        break;
      default:
        break;
    }
  }
}

void TidyTitlesAfterClose(HWND closing, const char* path) {
  if (!RetitleSoleWindow(closing, path, 1, 5)) RetitleSoleWindow(closing, path, 0, 4);
}
