// The information view's children (toolbar with the template combo box and the
// address field, scroll bars, size box), their layout, and the view's first size.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "core/messages.h"
#include "core/user_message.h"
#include "resources/resource_ids.h"
#include "shell/menu_bar_win.h"
#include "shell/shell.h"
#include "structs/info_view_geometry.h"
#include "structs/info_view_window_win.h"

namespace {

// The toolbar starts with separators that only make room: the combo box lies over
// items 1 to 24, the address field over items 26 to 32.
constexpr int kLeadingSeparators = 34;
constexpr int kComboFirstItem = 1, kComboLastItem = 24;
constexpr int kAddressFirstItem = 26, kAddressLastItem = 32;
constexpr int kLastItem = 41;
constexpr int kComboDropHeight = 128;

struct ButtonTip {
  int command;
  const char* tip;
};
const ButtonTip kTips[] = {{IDM_INFO_BYTEBACK, "1ﾊﾞｲﾄ前"},
                           {IDM_INFO_BYTEFORWARD, "1ﾊﾞｲﾄ次"},
                           {IDM_INFO_STRUCTBACK, "前の構造体"},
                           {IDM_INFO_STRUCTFORWARD, "次の構造体"},
                           {IDM_PRINT, "印刷"}};

const char* TipOf(UINT_PTR command) {
  for (const ButtonTip& t : kTips) {
    if (static_cast<UINT_PTR>(t.command) == command) return t.tip;
  }
  return nullptr;
}

// A creation failure: reported owned by the view; the frame's creation then fails.
int Fail(const InfoViewWindow& w, const char* text) {
  ShowMessage(text, MessageIcon::Stop, MessageButtons::Ok, w.window);
  return -1;
}

HWND Child(const InfoViewWindow& w, DWORD exStyle, const char* className, DWORD style, int id) {
  return CreateWindowExA(exStyle, className, "", WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, w.window,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), g_shell.instance, nullptr);
}

TBBUTTON Button(int image, int command) {
  TBBUTTON b = {};
  b.iBitmap = image;
  b.idCommand = command;
  b.fsState = TBSTATE_ENABLED;
  b.fsStyle = static_cast<BYTE>(image < 0 ? TBSTYLE_SEP : TBSTYLE_BUTTON);
  return b;
}

bool AddButtons(HWND toolbar, const TBBUTTON* buttons, int count) {
  return SendMessageA(toolbar, TB_ADDBUTTONSA, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(buttons)) != 0;
}

int AddImages(InfoViewWindow& w, HWND toolbar) {
  TBBUTTON separators[kLeadingSeparators];
  for (TBBUTTON& b : separators) b = Button(-1, 0);
  if (!AddButtons(toolbar, separators, kLeadingSeparators)) return Fail(w, kMsgCannotAddToolbarButtons);
  w.buttonImages = CreateMappedBitmap(g_shell.instance, IDB_TOOLBAR, 0, nullptr, 0);
  if (w.buttonImages == nullptr) return Fail(w, kMsgCannotCreateMappedBitmap);
  TBADDBITMAP own = {nullptr, reinterpret_cast<UINT_PTR>(w.buttonImages)};
  TBADDBITMAP standard = {HINST_COMMCTRL, IDB_STD_SMALL_COLOR};
  LRESULT first = SendMessageA(toolbar, TB_ADDBITMAP, 5, reinterpret_cast<LPARAM>(&own));
  LRESULT print = SendMessageA(toolbar, TB_ADDBITMAP, 0, reinterpret_cast<LPARAM>(&standard));
  if (first == -1 || print == -1) return Fail(w, kMsgCannotAddToolbarBitmap);
  const int base = static_cast<int>(first);
  const TBBUTTON buttons[] = {Button(base, IDM_INFO_BYTEBACK),      Button(base + 1, IDM_INFO_BYTEFORWARD),
                              Button(-1, 0),                        Button(base + 2, IDM_INFO_STRUCTBACK),
                              Button(base + 3, IDM_INFO_STRUCTFORWARD), Button(-1, 0),
                              Button(static_cast<int>(print) + STD_PRINT, IDM_PRINT), Button(-1, 0)};
  if (!AddButtons(toolbar, buttons, 8)) return Fail(w, kMsgCannotAddToolbarButtons);
  return 0;
}

bool ItemRect(HWND toolbar, int item, RECT* r) {
  return SendMessageA(toolbar, TB_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(r)) != 0;
}

bool AddTip(HWND tips, HWND toolbar, HWND tool, const char* text) {
  TTTOOLINFOA info = {};
  info.cbSize = TTTOOLINFOA_V2_SIZE;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = toolbar;
  info.uId = reinterpret_cast<UINT_PTR>(tool);
  info.lpszText = const_cast<char*>(text);
  return SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}

// Places the combo box and the address field over their separators, gives the
// combo box its font and both their tips.
int PlaceToolbarFields(InfoViewWindow& w) {
  RECT first, last, addressFirst, addressLast, end;
  if (!ItemRect(w.toolbar, kComboFirstItem, &first) || !ItemRect(w.toolbar, kComboLastItem, &last) ||
      !ItemRect(w.toolbar, kAddressFirstItem, &addressFirst) || !ItemRect(w.toolbar, kAddressLastItem, &addressLast) ||
      !ItemRect(w.toolbar, kLastItem, &end))
    return Fail(w, kMsgCannotGetToolbarItemRect);
  if (!MoveWindow(w.combo, first.left, first.top, last.right - first.left, kComboDropHeight, TRUE) ||
      !MoveWindow(w.address, addressFirst.left, addressFirst.top, addressLast.right - addressFirst.left,
                  addressLast.bottom - addressFirst.top, TRUE))
    return Fail(w, kMsgCannotMoveWindow);
  const int height = (first.bottom - first.top) - 2 * GetSystemMetrics(SM_CYEDGE) - 4;
  w.comboFont = CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_TT_PRECIS,
                            CLIP_DEFAULT_PRECIS, PROOF_QUALITY, FIXED_PITCH | FF_MODERN, "ＭＳ Ｐゴシック");
  if (w.comboFont == nullptr) return Fail(w, kMsgCannotCreateFont);
  SendMessageA(w.combo, WM_SETFONT, reinterpret_cast<WPARAM>(w.comboFont), TRUE);
  HWND tips = reinterpret_cast<HWND>(SendMessageA(w.toolbar, TB_GETTOOLTIPS, 0, 0));
  if (tips == nullptr) return Fail(w, kMsgCannotGetToolTips);
  if (!AddTip(tips, w.toolbar, w.combo, "構造体") || !AddTip(tips, w.toolbar, w.address, "ｱﾄﾞﾚｽ"))
    return Fail(w, kMsgCannotAddTool);
  SendMessageA(w.toolbar, TB_AUTOSIZE, 0, 0);
  RECT bar;
  if (GetWindowRect(w.toolbar, &bar)) {
    w.toolbarHeight = bar.bottom - bar.top;
  } else {
    ShowMessage(kMsgCannotGetWindowSize, MessageIcon::Stop, MessageButtons::Ok, w.window);
  }
  w.toolbarWidth = end.right - GetSystemMetrics(SM_CXVSCROLL);
  return 0;
}

}  // namespace

int CreateInfoChildren(InfoViewWindow& w) {
  w.toolbar = Child(w, 0, TOOLBARCLASSNAMEA, CCS_NODIVIDER | TBSTYLE_TOOLTIPS | TBSTYLE_FLAT, IDC_INFO_TOOLBAR);
  if (w.toolbar == nullptr) return Fail(w, kMsgCannotCreateToolbar);
  SendMessageA(w.toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  w.combo = Child(w, 0, "COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, IDC_INFO_COMBO);
  w.address = Child(w, WS_EX_CLIENTEDGE, "STATIC", SS_RIGHT, IDC_INFO_ADDRESS);
  w.hScroll = Child(w, 0, "SCROLLBAR", SBS_HORZ, IDC_INFO_HSCROLL);
  w.vScroll = Child(w, 0, "SCROLLBAR", SBS_VERT, IDC_INFO_VSCROLL);
  w.sizeBox = Child(w, 0, "SCROLLBAR", SBS_SIZEBOX, IDC_INFO_SIZEBOX);
  if (!w.combo || !w.address || !w.hScroll || !w.vScroll || !w.sizeBox) return Fail(w, kMsgCannotCreateWindow);
  if (SetParent(w.combo, w.toolbar) == nullptr || SetParent(w.address, w.toolbar) == nullptr)
    return Fail(w, kMsgCannotSetParent);
  if (AddImages(w, w.toolbar) != 0) return -1;
  return PlaceToolbarFields(w);
}

bool PlaceFirstTime(InfoViewWindow& w) {
  if (w.placed) return true;
  InfoWindowMetrics m;
  m.charWidth = ListMetrics(w).charWidth;
  m.toolbarWidth = w.toolbarWidth;
  m.toolbarHeight = w.toolbarHeight;
  m.vScrollWidth = GetSystemMetrics(SM_CXVSCROLL);
  m.hScrollHeight = GetSystemMetrics(SM_CYHSCROLL);
  m.frameWidth = GetSystemMetrics(SM_CXSIZEFRAME);
  m.frameHeight = GetSystemMetrics(SM_CYSIZEFRAME);
  m.captionHeight = GetSystemMetrics(SM_CYCAPTION);
  m.screenWidth = GetSystemMetrics(SM_CXSCREEN);
  m.screenHeight = GetSystemMetrics(SM_CYSCREEN);
  const InfoWindowSize size = FirstWindowSize(m, w.model.totalColumns, w.model.rowCount());
  POINT origin = {0, 0};
  if (!ClientToScreen(g_shell.frame, &origin)) {
    FailInfoView(kMsgCannotConvertPoint);
    return false;
  }
  const InfoPoint at = FirstWindowPosition({origin.x, origin.y}, size, m.screenWidth, m.screenHeight);
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(w.window, &placement)) {
    FailInfoView(kMsgCannotGetWindowInfo);
    return false;
  }
  placement.flags = 0;
  placement.showCmd = IsWindowVisible(w.window) ? SW_SHOWNORMAL : SW_HIDE;
  placement.rcNormalPosition = RECT{at.x, at.y, at.x + size.width, at.y + size.height};
  if (!SetWindowPlacement(w.window, &placement)) {
    FailInfoView(kMsgCannotSetWindowInfo);
    return false;
  }
  w.placed = true;
  return true;
}

void LayOutInfoChildren(InfoViewWindow& w, int width, int height) {
  const int vWidth = GetSystemMetrics(SM_CXVSCROLL), hHeight = GetSystemMetrics(SM_CYHSCROLL);
  w.listRight = std::max(0, width - vWidth);
  w.listBottom = std::max(0, height - hHeight);
  if (w.model.doc != nullptr) {
    const InfoListPosition p = ClampListPosition(ListPosition(w), ListSize(w), ListMetrics(w));
    w.model.currentRow = p.currentRow;
    w.model.topRow = p.topRow;
    w.model.firstColumn = p.firstColumn;
    if (!MoveWindow(w.hScroll, 0, w.listBottom, w.listRight, hHeight, TRUE) ||
        !MoveWindow(w.vScroll, w.listRight, w.toolbarHeight, vWidth, std::max(0, w.listBottom - w.toolbarHeight),
                    TRUE) ||
        !MoveWindow(w.sizeBox, w.listRight, w.listBottom, vWidth, hHeight, TRUE)) {
      FailInfoView(kMsgCannotMoveWindow);
      return;
    }
    UpdateInfoScrollBars(w);
  }
  if (w.toolbar != nullptr) SendMessageA(w.toolbar, TB_AUTOSIZE, 0, 0);
}

bool HandleInfoToolTip(NMHDR* header) {
  if (header->code != TTN_NEEDTEXTA && header->code != TTN_NEEDTEXTW) return false;
  const char* tip = TipOf(header->idFrom);
  return tip != nullptr && FillToolTipText(header, tip);
}
