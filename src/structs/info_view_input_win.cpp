// Keyboard, mouse, wheel and scroll bars of the information view.
#include "resources/resource_ids.h"
#include "structs/info_view_window_win.h"

namespace {

bool Down(int key) { return GetKeyState(key) < 0; }

bool ListKeyOf(UINT key, InfoListKey* out) {
  switch (key) {
    case VK_UP: *out = InfoListKey::Up; return true;
    case VK_DOWN: *out = InfoListKey::Down; return true;
    case VK_PRIOR: *out = InfoListKey::PageUp; return true;
    case VK_NEXT: *out = InfoListKey::PageDown; return true;
    case VK_HOME: *out = InfoListKey::Home; return true;
    case VK_END: *out = InfoListKey::End; return true;
    case VK_LEFT: *out = InfoListKey::Left; return true;
    case VK_RIGHT: *out = InfoListKey::Right; return true;
    default: return false;
  }
}

// Shift with a key: the start address moves, or another template is shown.
void OnShiftKey(InfoViewWindow& w, UINT key, bool ctrl) {
  switch (key) {
    case VK_LEFT: MoveInfoStart(w, StartMove::ByteBack); break;
    case VK_RIGHT: MoveInfoStart(w, StartMove::ByteForward); break;
    case VK_UP: MoveInfoStart(w, StartMove::StructureBack); break;
    case VK_DOWN: MoveInfoStart(w, StartMove::StructureForward); break;
    case VK_HOME: MoveInfoStart(w, StartMove::First); break;
    case VK_END: MoveInfoStart(w, StartMove::Last); break;
    case VK_PRIOR:
    case VK_NEXT: {
      const int count = static_cast<int>(w.model.comboItems.size());
      const int item = SteppedComboItem(w.model.comboItem, count, key == VK_NEXT, ctrl);
      if (item != w.model.comboItem) SelectInfoTemplate(w, item);
      break;
    }
    default: break;
  }
}

ScrollAction ActionOf(int code) {
  switch (code) {
    case SB_LINEUP: return ScrollAction::LineBack;
    case SB_LINEDOWN: return ScrollAction::LineForward;
    case SB_PAGEUP: return ScrollAction::PageBack;
    case SB_PAGEDOWN: return ScrollAction::PageForward;
    case SB_THUMBTRACK: return ScrollAction::Track;
    default: return ScrollAction::Other;
  }
}

}  // namespace

void OnInfoKeyDown(InfoViewWindow& w, UINT key) {
  if (ShownDocument(w) == nullptr) return;
  switch (key) {
    case VK_RETURN:
    case VK_SPACE:
      if (w.editBox != nullptr) {
        CommitEditBox(w);
      } else {
        OpenEditBox(w);
      }
      return;
    case VK_ESCAPE:
      if (w.editBox != nullptr) {
        DiscardEditBox(w);
      } else {
        CloseInfoWindow(w);
      }
      return;
    case 'P': PrintInfoView(w); return;
    default: break;
  }
  // The list and the start address stay put while a member is being edited.
  if (w.editBox != nullptr) return;
  const bool ctrl = Down(VK_CONTROL);
  if (Down(VK_SHIFT)) {
    OnShiftKey(w, key, ctrl);
    return;
  }
  InfoListKey listKey;
  if (ListKeyOf(key, &listKey))
    ApplyListPosition(w, MoveListByKey(ListPosition(w), ListSize(w), ListMetrics(w), listKey, ctrl));
}

bool OnInfoSysKeyDown(InfoViewWindow& w, UINT key) {
  if (key != VK_DOWN || ShownDocument(w) == nullptr) return false;
  SetFocus(w.combo);
  SendMessageA(w.combo, CB_SHOWDROPDOWN, TRUE, 0);
  return true;
}

void OnInfoButtonDown(InfoViewWindow& w, int y) {
  if (ShownDocument(w) == nullptr) return;
  if (w.editBox == nullptr) {
    InfoListPosition p = ListPosition(w);
    p.currentRow = RowAtY(y, p, ListSize(w), ListMetrics(w));
    ApplyListPosition(w, p);
  }
  SetFocus(w.editBox != nullptr ? w.editBox : w.window);
  SetCapture(w.window);
}

void OnInfoMouseMove(InfoViewWindow& w, int x, int y, bool buttonDown) {
  if (!buttonDown || w.editBox != nullptr || ShownDocument(w) == nullptr) return;
  ApplyListPosition(w, DragToPoint(ListPosition(w), ListSize(w), ListMetrics(w), x, y));
}

void OnInfoWheel(InfoViewWindow& w, int delta) {
  if (w.editBox != nullptr || ShownDocument(w) == nullptr) return;
  ApplyListPosition(w, WheelList(ListPosition(w), ListSize(w), ListMetrics(w), delta));
}

void OnInfoScroll(InfoViewWindow& w, HWND bar, int code) {
  if ((bar != w.hScroll && bar != w.vScroll) || w.editBox != nullptr || ShownDocument(w) == nullptr) return;
  SCROLLINFO info = {sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
  GetScrollInfo(bar, SB_CTL, &info);
  ApplyListPosition(w, ScrollList(ListPosition(w), ListSize(w), ListMetrics(w), bar == w.vScroll, ActionOf(code),
                                  info.nTrackPos));
}
