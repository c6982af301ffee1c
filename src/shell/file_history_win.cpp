// File-history entries in the File menu: adding, filling, reading and cutting.
#include "shell/file_history_win.h"

#include <commctrl.h>

#include "core/codepage.h"
#include "core/text_limits.h"
#include "core/user_message.h"
#include "resources/resource_ids.h"
#include "shell/file_history.h"
#include "shell/menu_bar_win.h"
#include "shell/process_state.h"
#include "shell/shell.h"

namespace {

constexpr int kFirstEntry = kHistoryFirstPosition - 1;  // 0-based

bool IsHistoryCommand(UINT id) { return id >= IDM_HISTORY_FIRST && id < IDM_HISTORY_FIRST + 100; }

int EntryCount(HMENU file, int first) {
  int n = 0;
  int items = GetMenuItemCount(file);
  while (first + n < items && IsHistoryCommand(GetMenuItemID(file, first + n))) ++n;
  return n;
}

std::string ItemText(HMENU menu, int position) {
  char buffer[kTextBufferSize + 8] = {};
  GetMenuStringA(menu, static_cast<UINT>(position), buffer, sizeof buffer, MF_BYPOSITION);
  return buffer;
}

HMENU FileMenuFor(HWND frame, int topMenuCount) {
  HMENU bar = GetMenu(frame);
  if (bar == nullptr) return nullptr;
  return GetSubMenu(bar, GetMenuItemCount(bar) == topMenuCount ? 0 : 1);
}

}  // namespace

int AddToFileHistory(const char* path, HWND frame, int maxEntries, int topMenuCount, int firstPosition) {
  if (maxEntries == 0) return 0;
  HMENU file = FileMenuFor(frame, topMenuCount);
  if (file == nullptr) return -1;
  int first = firstPosition - 1;
  int count = EntryCount(file, first);
  bool wasEmpty = count == 0;
  for (int i = 0; i < count; ++i) {
    int position = first + i;
    std::string entryPath = HistoryEntryPath(ItemText(file, position));
    if (CompareAnsi(entryPath, path, kCompareIgnoreCase) == 0) {
      if (!DeleteMenu(file, static_cast<UINT>(position), MF_BYPOSITION)) return -1;
      --count;
      break;
    }
    std::string text = HistoryEntryText(i + 1, entryPath);
    if (!ModifyMenuA(file, static_cast<UINT>(position), MF_BYPOSITION | MF_STRING,
                     static_cast<UINT_PTR>(IDM_HISTORY_FIRST + i + 1), text.c_str()))
      return -1;
  }
  std::string text = HistoryEntryText(0, path);
  if (!InsertMenuA(file, static_cast<UINT>(first), MF_BYPOSITION | MF_STRING, IDM_HISTORY_FIRST, text.c_str()))
    return -1;
  ++count;
  if (wasEmpty && !InsertMenuA(file, static_cast<UINT>(first + 1), MF_BYPOSITION | MF_SEPARATOR, 0, nullptr))
    return -1;
  if (count > maxEntries && !DeleteMenu(file, static_cast<UINT>(first + count - 1), MF_BYPOSITION)) return -1;
  if (!DrawMenuBar(frame)) return -1;
  return 0;
}

int FillFileHistory(HWND frame, const std::vector<std::string>& paths) {
  HMENU file = FileMenu(frame);
  if (file == nullptr) return -1;
  int first = kFirstEntry;
  for (size_t k = 0; k < paths.size(); ++k) {
    std::string text = HistoryEntryText(static_cast<int>(k), paths[k]);
    if (!InsertMenuA(file, static_cast<UINT>(first + k), MF_BYPOSITION | MF_STRING,
                     static_cast<UINT_PTR>(IDM_HISTORY_FIRST + k), text.c_str()))
      return -1;
  }
  if (!paths.empty() &&
      !InsertMenuA(file, static_cast<UINT>(first + paths.size()), MF_BYPOSITION | MF_SEPARATOR, 0, nullptr))
    return -1;
  return 0;
}

std::vector<std::string> FileHistoryPaths(HWND frame) {
  std::vector<std::string> paths;
  HMENU file = FileMenu(frame);
  if (file == nullptr) return paths;
  int count = EntryCount(file, kFirstEntry);
  for (int i = 0; i < count; ++i) paths.push_back(HistoryEntryPath(ItemText(file, kFirstEntry + i)));
  return paths;
}

int TrimFileHistory(HWND frame, int length) {
  HMENU file = FileMenu(frame);
  if (file == nullptr) return -1;
  int count = EntryCount(file, kFirstEntry);
  for (int k = count - 1; k >= length; --k) {
    if (!DeleteMenu(file, static_cast<UINT>(kFirstEntry + k), MF_BYPOSITION)) return -1;
  }
  if (length == 0 && count > 0) {
    // The entries were framed by two separators; keep one before "終了".
    if (!DeleteMenu(file, static_cast<UINT>(kFirstEntry - 1), MF_BYPOSITION)) return -1;
  }
  if (!DrawMenuBar(frame)) return -1;
  return 0;
}

