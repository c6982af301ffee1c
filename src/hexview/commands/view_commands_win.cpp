// The document window's command table.
#include "hexview/commands/view_commands_win.h"

#include "core/display_types.h"
#include "core/document.h"
#include "core/edit.h"
#include "hexview/commands/clipboard_win.h"
#include "hexview/commands/edit_view_win.h"
#include "hexview/commands/save_win.h"
#include "hexview/commands/view_command_table_win.h"
#include "hexview/commands/view_commands_format.h"
#include "hexview/commands/view_commands_format_win.h"
#include "hexview/commands/view_menus_win.h"
#include "hexview/dialogs/goto_win.h"
#include "hexview/dialogs/radix_input_win.h"
#include "hexview/hex_view_win.h"
#include "hexview/input/caret_motion.h"
#include "hexview/input/caret_win.h"
#include "hexview/input/key_input_win.h"
#include "hexview/input/selection_ranges.h"
#include "hexview/render/dump_layout.h"
#include "hexview/render/view_paint_win.h"
#include "resources/resource_ids.h"

namespace {

// Commands 109 and 110; nothing when the list is empty.
void UndoOrRedoView(HWND view, bool redo) {
  Document* doc = DocumentOf(view);
  if (doc == nullptr || (redo ? doc->redoList : doc->undoList) == nullptr) return;
  HideCaret(view);
  UndoOrRedo(*doc, redo, EditViewOf(view));
  ShowCaret(view);
}

void CutSelection(HWND view) {
  if (CopySelection(view) == 0) DeleteViewSelection(view);
}

// Command 120: everything selected, the caret at the end of data, the whole window repainted.
void SelectAllBytes(HWND view) {
  Document* doc = DocumentOf(view);
  if (doc == nullptr || doc->length <= 0) return;
  if (MoveCaretTo(view, SelectAll(CaretStateOf(*doc), MetricsOf(*doc))) != 0) return;
  RECT all{0, 0, doc->clientWidth, doc->clientHeight};
  InvalidateClientRect(view, all);
}

// Command 135.
void DeleteLine(HWND view) {
  Document* doc = DocumentOf(view);
  if (doc == nullptr) return;
  const SelectionRange r = DeleteLineRange(doc->caret, doc->anchor, doc->length, BytesPerLineFor(doc->options));
  DeleteViewRange(view, r.caret, r.anchor, kCaretBefore);
}

void ChangeOptions(HWND view, uint32_t (*change)(uint32_t)) {
  if (Document* doc = DocumentOf(view)) ChangeViewFormat(view, change(doc->options));
}

void SetDataRadix(HWND view, int radix) {
  if (Document* doc = DocumentOf(view)) ChangeViewFormat(view, WithDataRadix(doc->options, radix));
}

void SetAddressRadix(HWND view, int radix) {
  if (Document* doc = DocumentOf(view)) ChangeViewFormat(view, WithAddressRadix(doc->options, radix));
}

void ToggleByteOrder(HWND view) {
  if (Document* doc = DocumentOf(view)) SetViewByteOrder(view, (doc->options & kOptMotorola) == 0);
}

// A command another part of the program carries out, when it is available.
void RunRegisteredCommand(HWND view, int id) {
  const ViewCommand* command = RegisteredViewCommand(id);
  if (command != nullptr && ViewCommandAvailable(id, DocumentOf(view))) command->run(view);
}

}  // namespace

void OnViewCommand(HWND view, int id) {
  switch (id) {
    case IDM_SAVE: SaveDocument(view); break;
    case IDM_SAVEAS: SaveDocumentAs(view); break;
    case IDM_UNDO: UndoOrRedoView(view, false); break;
    case IDM_REDO: UndoOrRedoView(view, true); break;
    case IDM_CUT: CutSelection(view); break;
    case IDM_COPY: CopySelection(view); break;
    case IDM_PASTE: PasteClipboard(view, false); break;
    case IDM_PASTEOVER: PasteClipboard(view, true); break;
    case IDM_DELETE: DeleteViewSelection(view); break;
    case IDM_RADIXINPUT: RunRadixInput(view, 0); break;
    case IDM_GOTO: RunGoTo(view); break;
    case IDM_SELECTALL: SelectAllBytes(view); break;
    case IDM_NEXTRADIX: ChangeOptions(view, WithNextDataRadix); break;
    case IDM_NEXTADDRESS: ChangeOptions(view, WithNextAddressRadix); break;
    case IDM_TOGGLEORDER: ToggleByteOrder(view); break;
    case IDM_DELETELINE: DeleteLine(view); break;
    case IDM_CONTEXTMENU: ShowContextMenuAtCaret(view); break;
    case IDM_RADIX_HEX:
    case IDM_RADIX_OCT:
    case IDM_RADIX_BIN:
    case IDM_RADIX_UDEC:
    case IDM_RADIX_SDEC: SetDataRadix(view, id - IDM_RADIX_HEX); break;
    case IDM_ADDR_HEX:
    case IDM_ADDR_DEC:
    case IDM_ADDR_OCT: SetAddressRadix(view, id - IDM_ADDR_HEX); break;
    case IDM_ORDER_INTEL: SetViewByteOrder(view, false); break;
    case IDM_ORDER_MOTOROLA: SetViewByteOrder(view, true); break;
    default: RunRegisteredCommand(view, id); break;
  }
}
