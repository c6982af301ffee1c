// Registration of the window classes.
#include "app/startup/window_classes_win.h"

#include <initializer_list>

#include "app/frame/frame_win.h"
#include "hexview/hex_view_win.h"
#include "imageview/image_view_win.h"
#include "shell/shell.h"
#include "structs/info_view_win.h"

namespace {

bool RegisterAnsi(HINSTANCE instance, const char* name, UINT style, WNDPROC proc, int extra, bool icon,
                  LPCSTR cursor, HBRUSH background) {
  WNDCLASSA wc = {};
  wc.style = style;
  wc.lpfnWndProc = proc;
  wc.cbWndExtra = extra;
  wc.hInstance = instance;
  wc.hIcon = icon ? LoadIconA(instance, MAKEINTRESOURCEA(1)) : nullptr;
  wc.hCursor = LoadCursorA(nullptr, cursor);
  wc.hbrBackground = background;
  wc.lpszClassName = name;
  return RegisterClassA(&wc) != 0;
}

bool RegisterDocumentClass(HINSTANCE instance) {
  WNDCLASSW wc = {};
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = HexViewWindowProc;
  wc.cbWndExtra = sizeof(void*);
  wc.hInstance = instance;
  wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_IBEAM));
  wc.lpszClassName = L"BINClass";
  if (RegisterClassW(&wc) != 0) {
    g_shell.unicodeViews = true;
    return true;
  }
  g_shell.unicodeViews = false;
  return RegisterAnsi(instance, kDocumentClassName, CS_HREDRAW | CS_VREDRAW, HexViewWindowProc, sizeof(void*), true,
                      reinterpret_cast<LPCSTR>(IDC_IBEAM), nullptr);
}

}  // namespace

bool RegisterWindowClasses(HINSTANCE instance) {
  auto arrow = reinterpret_cast<LPCSTR>(IDC_ARROW);
  auto ibeam = reinterpret_cast<LPCSTR>(IDC_IBEAM);
  return RegisterAnsi(instance, kFrameClassName, 0, FrameWindowProc, 0, true, arrow,
                      reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1)) &&
         RegisterDocumentClass(instance) &&
         RegisterAnsi(instance, kBarClassName, CS_HREDRAW | CS_VREDRAW, BarWindowProc, 0, false, ibeam, nullptr) &&
         RegisterAnsi(instance, kInfoViewClassName, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, InfoViewWindowProc, 0, true,
                      arrow, nullptr) &&
         RegisterAnsi(instance, kImageViewClassName, CS_HREDRAW | CS_VREDRAW, ImageViewWindowProc, 0, true, arrow,
                      nullptr);
}

void UnregisterWindowClasses(HINSTANCE instance) {
  for (const char* name : {kFrameClassName, kDocumentClassName, kBarClassName, kInfoViewClassName, kImageViewClassName})
    UnregisterClassA(name, instance);
}
