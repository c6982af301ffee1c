// Format and byte-order changes of a hex view.
#include "hexview/commands/view_commands_format_win.h"

#include "core/document.h"
#include "hexview/commands/view_commands_format.h"
#include "hexview/commands/view_menus_win.h"
#include "hexview/hex_view_win.h"
#include "hexview/input/caret_win.h"
#include "hexview/render/dump_layout.h"
#include "hexview/render/view_paint_win.h"
#include "hexview/render/view_scroll_win.h"
#include "hexview/status/ime_win.h"
#include "hexview/status/status_line_win.h"

int ChangeViewFormat(HWND view, uint32_t options) {
  Document* doc = DocumentOf(view);
  if (doc == nullptr) return 0;
  const int previousBytesPerLine = BytesPerLineFor(doc->options);
  doc->options = options;
  return AfterFormatChange(view, previousBytesPerLine);
}

int AfterFormatChange(HWND view, int previousBytesPerLine) {
  Document* doc = DocumentOf(view);
  if (doc == nullptr) return 0;
  HideCaret(view);
  LeaveDigitEntry(view);
  doc->digitIndex = 0;
  doc->anchor = -1;
  doc->scrollLine = TopLineAfterFormatChange(doc->scrollLine, previousBytesPerLine, BytesPerLineFor(doc->options));
  UpdateScrollBars(view);
  SetImeFont(view, doc->font);
  int result = RefreshMenuState(doc);
  if (result == 0) {
    CreateViewCaret(view);
    RECT all{0, 0, doc->clientWidth, doc->clientHeight};
    result = InvalidateClientRect(view, all);
  }
  if (result == 0) result = UpdateCaretAndStatus(view);
  ShowCaret(view);
  return result;
}

int SetViewByteOrder(HWND view, bool motorola) {
  Document* doc = DocumentOf(view);
  if (doc == nullptr) return 0;
  doc->options = WithByteOrder(doc->options, motorola);
  if (RefreshMenuState(doc) != 0) return -1;
  return UpdateCaretAndStatus(view);
}
