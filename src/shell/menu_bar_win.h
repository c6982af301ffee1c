// The menu bar as every window sees it: its popups (a maximised document's
// system menu may stand in front), the status bar's simple mode that shows help
// texts, and the help of the menu item the user points at.
#pragma once

#include <windows.h>

#include <string>

// Number of popups of the menu bar when no document window is maximised.
inline constexpr int kMenuBarItems = 6;

// The File menu: item 0 of the bar, or item 1 when a maximised document's
// system menu stands in front (the bar then does not have exactly 6 items).
HMENU FileMenu(HWND frame);

// Offset of the popups in the menu bar: 1 with a maximised document, else 0.
int MenuBarShift(HWND frame);

// Shows text in the status bar's simple mode; LeaveSimpleStatus goes back to the parts.
void ShowSimpleStatus(const char* text);
void LeaveSimpleStatus();

// The resource string id (Shift-JIS), "" when there is none.
std::string ResourceText(int id);

// WM_MENUSELECT of the frame and of document windows: the help text of the item.
void ShowMenuHelp(HWND frame, WPARAM wParam, LPARAM lParam);

// Answers a tooltip's TTN_NEEDTEXTA or TTN_NEEDTEXTW (header) with tip, a Shift-JIS
// text cut to the 79 characters the request holds; false for other notifications.
bool FillToolTipText(NMHDR* header, const char* tip);
