// Opening, committing and discarding the information view's edit box.
#include "structs/info_view_edit.h"

#include <vector>

#include "core/messages.h"
#include "core/user_message.h"

namespace {


const StructureMember* CurrentRow(const InfoViewState& view) {
  if (view.currentRow < 0 || view.currentRow >= view.rowCount()) return nullptr;
  return &view.rows[static_cast<size_t>(view.currentRow)];
}

int Commit(InfoViewState& view, const std::vector<uint8_t>& bytes, EditView* editView) {
  Document& doc = *view.doc;
  const StructureMember& row = *CurrentRow(view);
  view.phase = InfoPhase::Shown;
  const int32_t base = doc.caret;
  // The row lies inside the document (the start address keeps the template
  // inside it), so the selection below replaces exactly the member's bytes.
  if (static_cast<int64_t>(base) + row.offset + row.byteCount > doc.length ||
      static_cast<int32_t>(bytes.size()) != row.byteCount) {
    ShowMessage(kMsgCannotGetData, MessageIcon::Stop);
    return -1;
  }
  doc.digitIndex = 0;
  doc.anchor = base + row.offset;
  doc.caret = base + row.offset + row.byteCount;
  UndoStep* step = ReplaceSelection(doc, bytes.data(), row.byteCount, kCaretBefore, false, editView);
  if (step == nullptr) return -1;
  CommitStep(doc, step, editView);
  doc.caret = base;
  doc.anchor = -1;
  doc.modified = 1;
  return 0;
}

}  // namespace

bool CanOpenEditor(const InfoViewState& view) {
  const StructureMember* row = CurrentRow(view);
  return view.phase == InfoPhase::Shown && view.doc != nullptr && row != nullptr && IsEditableRow(*row);
}

int OpenEditor(InfoViewState& view, bool utf16Box, MemberEditor* editor) {
  if (!CanOpenEditor(view)) return 1;
  const StructureMember& row = *CurrentRow(view);
  bool utf16 = utf16Box && IsUnicodeString(row);
  if (RowValueText(*view.doc, view.doc->caret, row, utf16, &editor->text) != 0) {
    ShowMessage(kMsgCannotGetData, MessageIcon::Stop);
    return -1;
  }
  editor->limit = MemberEditLimit(row, utf16Box);
  view.phase = InfoPhase::Editing;
  return 0;
}

int CommitEditor(InfoViewState& view, std::string_view text, EditView* editView) {
  if (view.phase != InfoPhase::Editing || view.doc == nullptr || CurrentRow(view) == nullptr) return 1;
  return Commit(view, ParseMemberValue(*CurrentRow(view), text), editView);
}

int CommitEditor(InfoViewState& view, std::u16string_view text, EditView* editView) {
  if (view.phase != InfoPhase::Editing || view.doc == nullptr || CurrentRow(view) == nullptr) return 1;
  return Commit(view, ParseMemberValue(*CurrentRow(view), text), editView);
}

void DiscardEditor(InfoViewState& view) {
  if (view.phase == InfoPhase::Editing) view.phase = InfoPhase::Shown;
}
