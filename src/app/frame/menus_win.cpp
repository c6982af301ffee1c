// The edit popup, the menu bitmaps and the toolbar's tool tips.
#include "app/frame/menus_win.h"

#include <commctrl.h>

#include "app/frame/toolbar_win.h"
#include "core/messages.h"
#include "core/user_message.h"
#include "resources/resource_ids.h"
#include "shell/menu_bar_win.h"
#include "shell/shell.h"

HMENU CreateEditPopupMenu() {
  HMENU menu = CreatePopupMenu();
  if (menu == nullptr) {
    FailAndDestroyFrame(kMsgCannotCreatePopupMenu);
    return nullptr;
  }
  struct Item {
    UINT id;
    const char* text;
  };
  const Item items[] = {
      {IDM_UNDO, "元に戻す(&U)"},
      {0, nullptr},
      {IDM_CUT, "切り取り(&T)"},
      {IDM_COPY, "ｺﾋﾟｰ(&C)"},
      {IDM_PASTE, "貼り付け(&P)"},
      {IDM_DELETE, "削除(&L)"},
      {0, nullptr},
      {IDM_SELECTALL, "すべて選択(&A)"},
  };
  for (const Item& item : items) {
    BOOL ok =
        item.text ? AppendMenuA(menu, MF_STRING, item.id, item.text) : AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    if (!ok) {
      DestroyMenu(menu);
      FailAndDestroyFrame(kMsgCannotAppendMenuItem);
      return nullptr;
    }
  }
  return menu;
}

namespace {

// Stretches one 16x16 image at x of source onto target.
bool StretchImage(HDC target, HBITMAP targetBitmap, HDC source, int x, int width, int height) {
  HGDIOBJ old = SelectObject(target, targetBitmap);
  bool ok = StretchBlt(target, 0, 0, width, height, source, x, 0, 16, 16, SRCCOPY) != 0;
  SelectObject(target, old);
  return ok;
}

}  // namespace

int AttachMenuBitmaps(HWND frame) {
  HMODULE comctl = LoadLibraryA("COMCTL32.DLL");
  if (comctl == nullptr) return 0;
  COLORMAP map = {RGB(192, 192, 192), RGB(255, 255, 255)};
  // The bitmap resource behind the toolbar's IDB_STD_SMALL_COLOR image list
  // (that name is an image-list index, 0, not a resource).
  constexpr int kStandardSmallColorBitmap = 120;
  HBITMAP standard = CreateMappedBitmap(comctl, kStandardSmallColorBitmap, 0, &map, 1);
  HBITMAP own = static_cast<HBITMAP>(LoadImageA(g_shell.instance, MAKEINTRESOURCEA(IDB_TOOLBAR), IMAGE_BITMAP, 0, 0,
                                                LR_MONOCHROME | LR_LOADMAP3DCOLORS));
  if (standard == nullptr || own == nullptr) {
    if (standard) DeleteObject(standard);
    if (own) DeleteObject(own);
    if (!FreeLibrary(comctl)) {
      FailAndDestroyFrame(kMsgCannotFreeDll);
      return -1;
    }
    return 0;
  }

  LONG check = GetMenuCheckMarkDimensions();
  int width = LOWORD(check), height = HIWORD(check);
  HDC screen = GetDC(nullptr);
  HDC source = CreateCompatibleDC(screen);
  HDC target = CreateCompatibleDC(screen);
  const char* failure = nullptr;
  if (screen == nullptr) failure = kMsgCannotGetDc;
  if (!failure && (source == nullptr || target == nullptr)) failure = kMsgCannotCreateCompatibleDc;
  if (!failure && (!SetStretchBltMode(target, COLORONCOLOR))) failure = kMsgCannotSetStretchMode;

  for (int i = 0; i < kMenuBitmapCount && !failure; ++i) {
    g_shell.menuBitmaps[i] = CreateCompatibleBitmap(screen, width, height);
    if (g_shell.menuBitmaps[i] == nullptr) {
      failure = kMsgCannotCreateCompatibleBitmap;
      break;
    }
    bool ok;
    if (i < 13) {
      HGDIOBJ old = SelectObject(source, standard);
      ok = StretchImage(target, g_shell.menuBitmaps[i], source, kToolbarCommands[i].image * 16, width, height);
      SelectObject(source, old);
    } else {
      HGDIOBJ old = SelectObject(source, own);
      ok = StretchImage(target, g_shell.menuBitmaps[i], source, 4 * 16, width, height);
      SelectObject(source, old);
    }
    if (!ok) failure = kMsgCannotStretchBitmap;
  }

  if (target) DeleteDC(target);
  if (source) DeleteDC(source);
  if (screen) ReleaseDC(nullptr, screen);
  DeleteObject(standard);
  DeleteObject(own);
  if (!FreeLibrary(comctl) && !failure) failure = kMsgCannotFreeDll;

  if (!failure) {
    HMENU bar = GetMenu(frame);
    for (int i = 0; i < kMenuBitmapCount && !failure; ++i) {
      UINT command = i < 13 ? static_cast<UINT>(kToolbarCommands[i].command) : IDM_INFO;
      if (!SetMenuItemBitmaps(bar, command, MF_BYCOMMAND, g_shell.menuBitmaps[i], nullptr))
        failure = kMsgCannotAttachMenuBitmap;
    }
    const int popupBitmaps[5][2] = {{9, IDM_UNDO}, {5, IDM_CUT}, {6, IDM_COPY}, {7, IDM_PASTE}, {8, IDM_DELETE}};
    for (const auto& pair : popupBitmaps) {
      if (failure) break;
      if (!SetMenuItemBitmaps(g_shell.editPopupMenu, pair[1], MF_BYCOMMAND, g_shell.menuBitmaps[pair[0]], nullptr))
        failure = kMsgCannotAttachMenuBitmap;
    }
  }
  if (failure) {
    FailAndDestroyFrame(failure);
    return -1;
  }
  return 0;
}

bool DeleteMenuBitmaps() {
  bool ok = true;
  for (HBITMAP& b : g_shell.menuBitmaps) {
    if (b != nullptr && !DeleteObject(b)) ok = false;
    b = nullptr;
  }
  return ok;
}

bool HandleToolTipNotify(NMHDR* header) {
  switch (header->code) {
    case TTN_NEEDTEXTA:
    case TTN_NEEDTEXTW: {
      const char* tip = ToolTipText(static_cast<int>(header->idFrom));
      return tip != nullptr && FillToolTipText(header, tip);
    }
    case TTN_SHOW: {
      int command = static_cast<int>(header->idFrom);
      if (ToolTipText(command) == nullptr) return false;
      ShowSimpleStatus(ResourceText(command).c_str());
      return false;
    }
    case TTN_POP: LeaveSimpleStatus(); return false;
    default: return false;
  }
}
