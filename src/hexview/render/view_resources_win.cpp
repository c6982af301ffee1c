// Brushes, fonts, cell width, marker bars and icons of a document window.
#include "hexview/render/view_resources_win.h"

#include <initializer_list>

#include "core/document.h"
#include "core/messages.h"
#include "core/palette.h"
#include "core/user_message.h"
#include "hexview/hex_view_win.h"
#include "shell/shell.h"
#include <shellapi.h>

namespace {

// Makes the four brushes; false when at least one failed (the others are kept).
bool CreateBrushes(HexView& view) {
  Document& doc = *view.doc;
  view.backBrush = CreateSolidBrush(doc.backColor());
  view.selBackBrush = CreateSolidBrush(doc.selBackColor());
  view.textBrush = CreateSolidBrush(doc.textColor());
  view.halfSelBrush = CreateSolidBrush(MeanColor(doc.backColor(), doc.selBackColor()));
  return view.backBrush && view.selBackBrush && view.textBrush && view.halfSelBrush;
}

bool CreateFonts(HexView& view) {
  LOGFONTA font;
  static_assert(sizeof font == sizeof view.doc->font);
  CopyMemory(&font, &view.doc->font, sizeof font);
  view.mainFont = CreateFontIndirectA(&font);
  font.lfHeight /= 2;
  view.smallFont = CreateFontIndirectA(&font);
  return view.mainFont && view.smallFont;
}

const char* MeasureCell(HWND window, HexView& view) {
  HDC dc = GetDC(window);
  if (dc == nullptr) return kMsgCannotGetDc;
  HGDIOBJ previous = SelectObject(dc, view.mainFont);
  TEXTMETRICA metrics;
  BOOL measured = GetTextMetricsA(dc, &metrics);
  SelectObject(dc, previous);
  if (!ReleaseDC(window, dc)) return kMsgCannotReleaseDc;
  if (!measured) return kMsgCannotGetFontMetrics;
  view.doc->charWidth = (metrics.tmHeight + 1) / 2;
  return nullptr;
}

HWND CreateBar(HWND window, int id) {
  return CreateWindowExA(0, kBarClassName, nullptr, WS_CHILD | WS_DISABLED, 0, 0, 0, 0, window,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), g_shell.instance, nullptr);
}

}  // namespace

HexView* HexViewOf(HWND window) { return reinterpret_cast<HexView*>(GetWindowLongPtrA(window, 0)); }

const char* CreateViewObjects(HWND window, HexView& view) {
  if ((view.doc->options & kOptSystemColors) == 0 && !CreateBrushes(view)) return kMsgCannotCreateBrush;
  if (!CreateFonts(view)) return kMsgCannotCreateFont;
  return MeasureCell(window, view);
}

void DeleteViewObjects(HexView& view, HWND owner) {
  bool brushesDeleted = true;
  for (HBRUSH* brush : {&view.backBrush, &view.selBackBrush, &view.textBrush, &view.halfSelBrush}) {
    if (*brush != nullptr && !DeleteObject(*brush)) brushesDeleted = false;
    *brush = nullptr;
  }
  bool fontsDeleted = true;
  for (HFONT* font : {&view.mainFont, &view.smallFont}) {
    if (*font != nullptr && !DeleteObject(*font)) fontsDeleted = false;
    *font = nullptr;
  }
  if (!brushesDeleted) ShowMessage(kMsgCannotDeleteBrush, MessageIcon::Warning, MessageButtons::Ok, owner);
  if (!fontsDeleted) ShowMessage(kMsgCannotDeleteFont, MessageIcon::Warning, MessageButtons::Ok, owner);
}

bool CreateMarkBars(HWND window, HexView& view) {
  view.markBar1 = CreateBar(window, kMarkBar1Id);
  if (view.markBar1 == nullptr) return false;
  view.markBar2 = CreateBar(window, kMarkBar2Id);
  return view.markBar2 != nullptr;
}

int RebuildViewObjects(HWND window) {
  HexView* view = HexViewOf(window);
  if (view == nullptr || view->doc == nullptr) return 0;
  DeleteViewObjects(*view, window);
  if (const char* failure = CreateViewObjects(window, *view)) {
    FailAndDestroyFrame(failure);
    return -1;
  }
  return 0;
}

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
