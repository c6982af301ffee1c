// The document window's command table.
#include "hexview/view_commands_win.h"

#include "hexview/clipboard_win.h"
#include "hexview/goto_win.h"
#include "hexview/radix_input_win.h"
#include "hexview/save_win.h"
#include "resources/resource_ids.h"

void OnViewCommand(HWND view, int id) {
  switch (id) {
    case IDM_SAVE: SaveDocument(view); break;
    case IDM_SAVEAS: SaveDocumentAs(view); break;
    case IDM_COPY: CopySelection(view); break;
    case IDM_PASTE: PasteClipboard(view, false); break;
    case IDM_PASTEOVER: PasteClipboard(view, true); break;
    case IDM_RADIXINPUT: RunRadixInput(view, 0); break;
    case IDM_GOTO: RunGoTo(view); break;
    default: break;
  }
}
