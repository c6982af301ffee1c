// The document window's EditView.
#include "hexview/edit_view_win.h"

#include "core/edit.h"
#include "hexview/hex_view_win.h"
#include "hexview/menu_state_win.h"

namespace {

// Repaints the whole window after any change.
class WholeWindowView final : public EditView {
 public:
  explicit WholeWindowView(HWND view) : view_(view) {}
  void ContentChanged(Document&, const EditChange&) override { InvalidateRect(view_, nullptr, FALSE); }
  void MenuStateChanged(Document& doc) override { RefreshMenuState(&doc); }
  HWND view_;
};

}  // namespace

EditView* EditViewOf(HWND view) {
  static WholeWindowView instance(nullptr);
  instance.view_ = view;
  return &instance;
}
