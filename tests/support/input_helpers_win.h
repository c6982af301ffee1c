// Driving a document window as a user would, for the editing tests: keys with
// modifiers, characters, mouse, commands, and reading bytes, status and pixels.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "core/display_types.h"
#include "core/document.h"
#include "core/undo.h"
#include "hexview/hex_view_win.h"
#include "hexview/input/caret_entry_mode.h"
#include "hexview/view_state_win.h"
#include "shell/shell.h"
#include "support/dialog_driver_win.h"
#include "support/shell_fixture_win.h"

namespace input {

// Opens bytes as one file in a fresh shell, gives its window a fixed size and
// the focus, sets the options word (0: hexadecimal data and addresses, Intel
// order; the system colours are always added, as the view's brushes were made
// for them) and the entry mode. Returns the document window.
inline HWND OpenView(ShellRun& run, ScratchFolder& folder, const std::string& bytes, uint32_t options = 0,
                     int entryMode = kEntryOverwrite, int width = 760, int height = 300) {
  const std::string path = folder.Write("data.bin", bytes);
  if (!run.Start("/Q0 " + Quote(path))) return nullptr;
  HWND view = DocumentWindows().empty() ? nullptr : DocumentWindows()[0];
  if (view == nullptr) return nullptr;
  ShowWindow(g_shell.frame, SW_SHOWNORMAL);
  MoveWindow(g_shell.frame, 0, 0, width + 80, height + 200, TRUE);
  MoveWindow(view, 0, 0, width, height, TRUE);
  DocumentOf(view)->options = options | kOptSystemColors;
  SetFocus(view);
  g_view.entryMode = kEntryOverwrite;
  // Let the focus caret take the entry mode's shape.
  SendMessageA(view, WM_KILLFOCUS, 0, 0);
  g_view.entryMode = entryMode;
  SendMessageA(view, WM_SETFOCUS, 0, 0);
  InvalidateRect(view, nullptr, TRUE);
  UpdateWindow(view);
  PumpMessages();
  return view;
}

// Sets Ctrl and Shift as GetKeyState will report them to the window.
inline void SetModifiers(bool ctrl, bool shift) {
  BYTE state[256];
  GetKeyboardState(state);
  state[VK_CONTROL] = ctrl ? 0x80 : 0;
  state[VK_SHIFT] = shift ? 0x80 : 0;
  state[VK_LCONTROL] = state[VK_RCONTROL] = state[VK_LSHIFT] = state[VK_RSHIFT] = 0;
  SetKeyboardState(state);
}

inline void Key(HWND view, UINT vk, bool ctrl = false, bool shift = false) {
  SetModifiers(ctrl, shift);
  SendMessageA(view, WM_KEYDOWN, vk, 1);
  SetModifiers(false, false);
}

// One WM_CHAR as the window's character set receives it: a UTF-16 unit for a
// Unicode window, an ANSI byte otherwise.
inline void Char(HWND view, unsigned code) {
  if (IsWindowUnicode(view)) {
    SendMessageW(view, WM_CHAR, code, 1);
  } else {
    SendMessageA(view, WM_CHAR, code, 1);
  }
}

inline void Command(UINT id) { SendMessageA(g_shell.frame, WM_COMMAND, id, 0); }

inline LPARAM Point(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }
inline void ButtonDown(HWND view, int x, int y, UINT keys = 0) {
  SendMessageA(view, WM_LBUTTONDOWN, MK_LBUTTON | keys, Point(x, y));
}
inline void Drag(HWND view, int x, int y) { SendMessageA(view, WM_MOUSEMOVE, MK_LBUTTON, Point(x, y)); }
inline void ButtonUp(HWND view, int x, int y) { SendMessageA(view, WM_LBUTTONUP, 0, Point(x, y)); }
inline void Click(HWND view, int x, int y, UINT keys = 0) {
  ButtonDown(view, x, y, keys);
  ButtonUp(view, x, y);
}

// Client point inside scrollable column k of the row that shows dump line `line`.
inline int ColumnX(HWND view, int k) {
  const Document* doc = DocumentOf(view);
  return (k - doc->scrollColumn + 9) * doc->charWidth + 1;
}
inline int LineY(HWND view, int line) {
  const Document* doc = DocumentOf(view);
  return (line - doc->scrollLine + 1) * 2 * doc->charWidth + 1;
}

inline int UndoSteps(const Document* doc) {
  int n = 0;
  for (const UndoStep* s = doc->undoList; s != nullptr; s = s->next) ++n;
  return n;
}

// The client area's pixels as 32-bit values, read after the window painted
// everything it had to (the caret hidden so that its blinking does not count).
inline std::vector<uint32_t> ClientPixels(HWND view) {
  UpdateWindow(view);
  RECT r;
  GetClientRect(view, &r);
  const LONG w = std::max(0L, r.right), h = std::max(0L, r.bottom);
  std::vector<uint32_t> pixels(static_cast<size_t>(w) * static_cast<size_t>(h));
  if (pixels.empty()) return pixels;
  HideCaret(view);
  HDC dc = GetDC(view);
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, w, h);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, w, h, dc, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof info.bmiHeader, w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  GetDIBits(memory, bitmap, 0, static_cast<UINT>(h), pixels.data(), &info, DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(view, dc);
  ShowCaret(view);
  return pixels;
}

}  // namespace input
