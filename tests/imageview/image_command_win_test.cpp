// Ctrl+B on a document window: the image view shows over it while the command
// waits in its own message loop, which ends when the view hides itself, or
// passes a quit on to the main loop.
#include <windows.h>

#include <gtest/gtest.h>

#include "hexview/input_helpers_win.h"
#include "imageview/image_view_win.h"
#include "resources/resource_ids.h"

namespace {

bool g_quit = false;     // the timer ends the program instead of closing the view
std::string g_inside;    // what the timer saw from inside the command's loop

void CALLBACK LookInside(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  g_inside = std::string(IsWindowVisible(g_shell.imageView) ? "shown" : "hidden") +
             (IsWindowEnabled(g_shell.frame) ? ", frame enabled" : ", frame disabled") +
             (ImageShownView() == DocumentWindows()[0] ? ", on the view" : "");
  if (g_quit) PostQuitMessage(7);
  if (!g_quit) SendMessageA(g_shell.imageView, WM_KEYDOWN, VK_ESCAPE, 0);
}

TEST(ImageCommand, WaitsUntilTheViewHidesItselfOrTheProgramQuits) {
  for (bool quit : {false, true}) {
    ShellRun run;
    ScratchFolder folder;
    input::OpenView(run, folder, "abc");
    EXPECT_TRUE(MenuItemEnabled(IDM_IMAGE));
    g_quit = quit;
    SetTimer(nullptr, 0, 10, LookInside);
    input::Command(IDM_IMAGE);
    EXPECT_EQ(g_inside, "shown, frame disabled, on the view");
    EXPECT_EQ(IsWindowVisible(g_shell.imageView) != FALSE, quit);
    MSG msg = {};
    EXPECT_EQ(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) ? msg.wParam : 0u, quit ? 7u : 0u);
  }
}

}  // namespace
