// Window icons from the shell's file-type icons.
#include "hexview/commands/save_window_icons_win.h"

#include <shellapi.h>

namespace {

// The window properties that hold the icons made here, so that only those are destroyed.
constexpr const char* kLargeProperty = "VarnelLargeIcon";
constexpr const char* kSmallProperty = "VarnelSmallIcon";

HICON ShellIcon(const char* path, UINT size) {
  SHFILEINFOA info = {};
  if (!SHGetFileInfoA(path, FILE_ATTRIBUTE_NORMAL, &info, sizeof info, SHGFI_ICON | SHGFI_USEFILEATTRIBUTES | size))
    return nullptr;
  return info.hIcon;
}

void Replace(HWND view, WPARAM which, const char* property, HICON icon) {
  if (icon == nullptr) return;
  SendMessageA(view, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
  HICON old = static_cast<HICON>(GetPropA(view, property));
  SetPropA(view, property, icon);
  if (old != nullptr && old != icon) DestroyIcon(old);
}

void Destroy(HWND view, const char* property) {
  HICON icon = static_cast<HICON>(RemovePropA(view, property));
  if (icon != nullptr) DestroyIcon(icon);
}

}  // namespace

void SetDocumentWindowIcons(HWND view, const char* path) {
  Replace(view, ICON_BIG, kLargeProperty, ShellIcon(path, SHGFI_LARGEICON));
  Replace(view, ICON_SMALL, kSmallProperty, ShellIcon(path, SHGFI_SMALLICON));
}

void DestroyDocumentWindowIcons(HWND view) {
  Destroy(view, kLargeProperty);
  Destroy(view, kSmallProperty);
}
