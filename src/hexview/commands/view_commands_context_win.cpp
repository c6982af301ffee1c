// Context menu of the hex view.
#include "hexview/commands/view_commands_context_win.h"

#include "shell/shell.h"
#include "core/document.h"
#include "hexview/input/caret_motion.h"
#include "hexview/input/caret_win.h"
#include "hexview/hex_view_win.h"
#include "resources/resource_ids.h"

namespace {

void EnableItem(HMENU menu, UINT id, bool on) {
  EnableMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
}

// The caret's screen point, or false when it lies outside the dump area.
bool CaretScreenPoint(HWND view, const Document& doc, POINT* point) {
  const PixelPoint at = CaretPixel(MetricsOf(doc), doc.caret, doc.activeColumn, doc.digitIndex);
  point->x = at.x == kHiddenCaret ? 0 : at.x;
  point->y = at.y == kHiddenCaret ? 0 : at.y;
  return ClientToScreen(view, point) != 0;
}

}  // namespace

int ShowViewContextMenu(HWND view, int x, int y) {
  Document* doc = DocumentOf(view);
  HMENU menu = g_shell.editPopupMenu;
  if (doc == nullptr || menu == nullptr) return 0;
  POINT at{x, y};
  if (x == -1 && y == -1 && !CaretScreenPoint(view, *doc, &at)) {
    FailAndDestroyFrame("ｸﾗｲｱﾝﾄ座標をｽｸﾘｰﾝ座標に変換できません");
    return -1;
  }
  const bool selection = doc->anchor != -1;
  EnableItem(menu, IDM_UNDO, doc->undoList != nullptr);
  EnableItem(menu, IDM_CUT, selection);
  EnableItem(menu, IDM_COPY, selection);
  EnableItem(menu, IDM_DELETE, selection);
  EnableItem(menu, IDM_PASTE, g_shell.pasteAvailable);
  TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, g_shell.frame ? g_shell.frame : view, nullptr);
  return 0;
}

int ShowContextMenuAtCaret(HWND view) {
  Document* doc = DocumentOf(view);
  if (doc == nullptr) return 0;
  if (MoveCaretTo(view, WithCaretVisible(CaretStateOf(*doc), MetricsOf(*doc))) != 0) return -1;
  if (!UpdateWindow(view)) {
    FailAndDestroyFrame("ｳｲﾝﾄﾞｳを更新できません");
    return -1;
  }
  POINT at{};
  if (!CaretScreenPoint(view, *doc, &at)) {
    FailAndDestroyFrame("ｸﾗｲｱﾝﾄ座標をｽｸﾘｰﾝ座標に変換できません");
    return -1;
  }
  return ShowViewContextMenu(view, at.x, at.y);
}
