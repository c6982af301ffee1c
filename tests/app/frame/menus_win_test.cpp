// The frame's menus and toolbar: states without and with a document, and the
// images of the commands.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "resources/resource_ids.h"
#include "shell/shell.h"
#include "support/shell_fixture_win.h"

namespace {

bool ButtonEnabled(int id) { return SendMessageA(g_shell.toolbar, TB_ISBUTTONENABLED, id, 0) != 0; }

TEST(Menus, InitialStatesWithoutAndWithADocumentAndTheImages) {
  ShellRun run;
  ASSERT_TRUE(run.Start("/Q0"));
  EXPECT_EQ(SendMessageA(g_shell.toolbar, TB_BUTTONCOUNT, 0, 0), 20);
  // Menu item and button alike; the information view's button waits for a document.
  const struct {
    int id;
    int before, after;  // enabled without / with a document (-1: not looked at)
  } rows[] = {{IDM_NEW, 1, 1}, {IDM_SAVE, 0, 1}, {IDM_INFO, -1, 1}, {IDM_UNDO, -1, 0}, {IDM_COPY, -1, 0}};
  EXPECT_TRUE(MenuItemEnabled(IDM_INFO));  // the four built-in templates
  EXPECT_FALSE(ButtonEnabled(IDM_INFO));
  for (bool withDocument : {false, true}) {
    if (withDocument) SendMessageA(g_shell.frame, WM_COMMAND, IDM_NEW, 0);
    for (const auto& r : rows) {
      int expected = withDocument ? r.after : r.before;
      EXPECT_TRUE(expected == -1 || MenuItemEnabled(r.id) == (expected == 1)) << r.id << " " << withDocument;
      EXPECT_TRUE(expected == -1 || ButtonEnabled(r.id) == (expected == 1)) << r.id << " " << withDocument;
    }
    EXPECT_EQ(MenuItemEnabled(IDM_CLOSE), withDocument);
  }
  // Find Next waits for a pattern; everything else is there from the start.
  EXPECT_FALSE(MenuItemEnabled(IDM_FINDNEXT));
  for (int id : {IDM_PRINT, IDM_INFO, IDM_IMAGE, IDM_STRUCTURES, IDM_FIND, IDM_REPLACE, IDM_PROPERTIES, IDM_FILETYPES})
    EXPECT_TRUE(MenuItemEnabled(id)) << id;
  for (int id : {IDM_PRINT, IDM_INFO, IDM_FIND, IDM_REPLACE, IDM_PROPERTIES}) EXPECT_TRUE(ButtonEnabled(id)) << id;
  EXPECT_TRUE(MenuItemChecked(IDM_RADIX_HEX));
  // Why: the menu images were loaded with an image-list index in place of a bitmap
  // resource, so none ever appeared and the failure went unnoticed.
  auto image = [](HMENU menu, UINT id) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_CHECKMARKS;
    return GetMenuItemInfoA(menu, id, FALSE, &info) ? info.hbmpUnchecked : nullptr;
  };
  HMENU bar = GetMenu(g_shell.frame);
  for (UINT id : {IDM_NEW, IDM_OPEN, IDM_SAVE, IDM_PRINT, IDM_CUT, IDM_COPY, IDM_PASTE, IDM_UNDO, IDM_INFO})
    EXPECT_NE(image(bar, id), nullptr) << id;
  for (UINT id : {IDM_UNDO, IDM_CUT, IDM_COPY, IDM_PASTE, IDM_DELETE})
    EXPECT_NE(image(g_shell.editPopupMenu, id), nullptr) << id;
  EXPECT_EQ(image(bar, IDM_ABOUT), nullptr);
}

}  // namespace
