// Which status help string belongs to the menu item pointed at.
#include "shell/menu_help.h"

#include <gtest/gtest.h>

namespace {

MenuSelection Popup(unsigned position, bool maximised, bool inMenuBar = true) {
  MenuSelection s{};
  s.item = position;
  s.isPopup = true;
  s.inMenuBar = inMenuBar;
  s.maximisedChild = maximised;
  return s;
}

MenuSelection Command(unsigned id, bool systemMenu = false) {
  MenuSelection s{};
  s.item = id;
  s.isSystemMenu = systemMenu;
  return s;
}

TEST(MenuHelpStringId, PopupsCommandsHistoryAndWindowEntries) {
  const struct {
    const char* why;
    MenuSelection selection;
    int id;
  } rows[] = {
      {"first popup of the bar", Popup(0, false), 201},
      {"second popup", Popup(1, false), 202},
      {"last popup", Popup(5, false), 206},
      {"a maximised document's system menu shifts the popups", Popup(2, true), 202},
      {"that system menu shows nothing", Popup(0, true), 0},
      {"a submenu inside a popup shows nothing", Popup(4, false, false), 0},
      {"a command shows its own id", Command(104), 104},
      {"history entries", Command(200), 207},
      {"last history entry", Command(208), 207},
      {"window entries", Command(300), 208},
      {"last window entry", Command(309), 208},
      {"system menu commands show nothing", Command(0xF060, true), 0},
  };
  for (const auto& r : rows) EXPECT_EQ(MenuHelpStringId(r.selection), r.id) << r.why;
  MenuSelection closed{};
  closed.closed = true;
  closed.flags = 0xFFFF;
  EXPECT_EQ(MenuHelpStringId(closed), -1);  // the status bar leaves simple mode
}

}  // namespace
