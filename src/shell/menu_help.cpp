// Status help ids: window list 208, history 207, popups 201 + position, commands their own id.
#include "shell/menu_help.h"

int MenuHelpStringId(const MenuSelection& s) {
  if (s.closed) return -1;
  if (s.isSystemMenu) return 0;
  if (s.isPopup) {
    if (!s.inMenuBar || s.item >= 100) return 0;
    int position = static_cast<int>(s.item);
    if (s.maximisedChild) {
      if (position == 0) return 0;  // the child's system menu has no help of its own
      --position;
    }
    return 201 + position;
  }
  if (s.item >= 300 && s.item <= 399) return 208;
  if (s.item >= 200 && s.item <= 299) return 207;
  return static_cast<int>(s.item);
}
