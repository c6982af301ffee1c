// Which status help string belongs to the menu item pointed at.
#include "shell/menu_help.h"

#include <gtest/gtest.h>

namespace {

TEST(MenuHelpStringId, PopupsCommandsHistoryAndWindowEntries) {
  const struct {
    const char* why;
    MenuSelection selection;  // item, flags, closed, popup, system menu, in the bar, maximised child
    int id;
  } rows[] = {
      {"first popup of the bar", {0, 0, 0, 1, 0, 1, 0}, 201},
      {"last popup", {5, 0, 0, 1, 0, 1, 0}, 206},
      {"a maximised document's system menu shifts the popups", {2, 0, 0, 1, 0, 1, 1}, 202},
      {"that system menu shows nothing", {0, 0, 0, 1, 0, 1, 1}, 0},
      {"a submenu inside a popup shows nothing", {4, 0, 0, 1, 0, 0, 0}, 0},
      {"a command shows its own id", {104, 0, 0, 0, 0, 0, 0}, 104},
      {"history entries", {200, 0, 0, 0, 0, 0, 0}, 207},
      {"last history entry", {208, 0, 0, 0, 0, 0, 0}, 207},
      {"window entries", {300, 0, 0, 0, 0, 0, 0}, 208},
      {"last window entry", {309, 0, 0, 0, 0, 0, 0}, 208},
      {"system menu commands show nothing", {0xF060, 0, 0, 0, 1, 0, 0}, 0},
      {"closed: the status bar leaves simple mode", {0, 0xFFFF, 1, 0, 0, 0, 0}, -1},
  };
  for (const auto& r : rows) EXPECT_EQ(MenuHelpStringId(r.selection), r.id) << r.why;
}

}  // namespace
