// Which status-bar help string belongs to a pointed-at menu item.
#pragma once

// What WM_MENUSELECT said, unpacked.
struct MenuSelection {
  unsigned item;        // command id, or position for a popup
  unsigned flags;       // MF_* flags of the item; 0xFFFF with closed == true when the menu closed
  bool closed;          // the menu closed (flags 0xFFFF and no menu)
  bool isPopup;         // MF_POPUP
  bool isSystemMenu;    // MF_SYSMENU
  bool inMenuBar;       // the item belongs to the menu bar itself (not to a popup)
  bool maximisedChild;  // a maximised document's system menu occupies position 0
};

// The string id to show, 0 for nothing, -1 when the status bar leaves simple mode.
int MenuHelpStringId(const MenuSelection& selection);
