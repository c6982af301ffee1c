// The information view's document-side logic: fitting templates, rows, start address.
#include "structs/info_view_model.h"

#include <algorithm>
#include <new>

#include "core/messages.h"
#include "core/number_text.h"
#include "core/path.h"
#include "core/user_message.h"

namespace {


int32_t ClampStart(int64_t start, int32_t length, int32_t size) {
  int64_t last = std::max<int64_t>(0, static_cast<int64_t>(length) - size);
  if (start > last) start = last;
  if (start < 0) start = 0;
  return static_cast<int32_t>(start);
}

void ResetRows(InfoViewState& view) {
  view.rows.clear();
  view.structureSize = 0;
  view.labelWidth = 0;
  view.totalColumns = 0;
  view.currentRow = 0;
  view.topRow = 0;
  view.firstColumn = 0;
}

}  // namespace

bool DocumentTooSmall(const Document& doc, const StructureList& list) { return doc.length < list.minimumSize; }

std::vector<int> FittingTemplates(const StructureList& list, int32_t length) {
  std::vector<int> items;
  for (size_t i = 0; i < list.structures.size(); ++i) {
    if (list.structures[i].totalSize <= length) items.push_back(static_cast<int>(i));
  }
  return items;
}

int InitialComboItem(const std::vector<int>& items, int32_t lastUsed) {
  if (items.empty()) return -1;
  auto found = std::find(items.begin(), items.end(), lastUsed);
  return found == items.end() ? 0 : static_cast<int>(found - items.begin());
}

std::string InfoViewTitle(const char* path) {
  PathParts parts;
  std::string shown = SplitPath(path, &parts) == 0 ? parts.name + parts.ext : std::string(path);
  return shown + " の情報";
}

int AttachInfoView(InfoViewState& view, Document& doc, StructureList& list, InfoAttachResult* result) {
  InfoAttachResult local;
  if (doc.anchor != -1) {
    local.selectionDropped = true;
    local.oldAnchor = doc.anchor;
    local.oldCaret = doc.caret;
    doc.anchor = -1;
  }
  doc.digitIndex = 0;
  if (result) *result = local;
  CloseInfoView(view);
  try {
    view.comboItems = FittingTemplates(list, doc.length);
  } catch (const std::bad_alloc&) {
    ShowMessage(kMsgNoMemoryForEdit, MessageIcon::Stop);
    return -1;
  }
  if (view.comboItems.empty()) {
    ShowMessage(kMsgFileTooSmall, MessageIcon::Information);
    return -1;
  }
  view.doc = &doc;
  view.phase = InfoPhase::Shown;
  if (SelectTemplateItem(view, list, InitialComboItem(view.comboItems, list.lastUsed)) != 0) {
    CloseInfoView(view);
    return -1;
  }
  return 0;
}

int SelectTemplateItem(InfoViewState& view, StructureList& list, int item) {
  if (view.doc == nullptr || item < 0 || item >= static_cast<int>(view.comboItems.size())) return -1;
  int index = view.comboItems[static_cast<size_t>(item)];
  if (index < 0 || index >= static_cast<int>(list.structures.size())) return -1;
  ResetRows(view);
  view.phase = InfoPhase::Shown;
  view.comboItem = item;
  const Structure& shown = list.structures[static_cast<size_t>(index)];
  list.lastUsed = index;
  view.structureSize = shown.totalSize;
  Document& doc = *view.doc;
  if (static_cast<int64_t>(doc.caret) + view.structureSize > doc.length) {
    doc.caret = ClampStart(doc.caret, doc.length, view.structureSize);
  }
  try {
    view.rows = ShownRows(shown);
  } catch (const std::bad_alloc&) {
    ShowMessage(kMsgNoMemoryForEdit, MessageIcon::Stop);
    return -1;
  }
  view.labelWidth = LabelWidthOf(view.rows);
  view.totalColumns = TotalColumnsOf(view.rows);
  return 0;
}

std::vector<StructureMember> ShownRows(const Structure& structure) {
  std::vector<StructureMember> rows;
  for (const StructureMember& m : structure.members) {
    if (MemberKindOf(m.viewFlags) != kMemberUnused) rows.push_back(m);
  }
  return rows;
}

int32_t LabelWidthOf(const std::vector<StructureMember>& rows) {
  size_t widest = 0;
  for (const StructureMember& m : rows) widest = std::max(widest, m.description.size() + 1);
  return static_cast<int32_t>(std::min<size_t>(widest, INT32_MAX));
}

int32_t TotalColumnsOf(const std::vector<StructureMember>& rows) {
  if (rows.empty()) return 0;
  int32_t value = 0;
  for (const StructureMember& m : rows) value = std::max(value, MemberDisplayWidth(m));
  return LabelWidthOf(rows) + value;
}

bool IsEditableRow(const StructureMember& row) {
  return (row.viewFlags & kMemberNotEditable) == 0 && MemberKindOf(row.viewFlags) != kMemberUnused &&
         IsUsableMember(row);
}

int RowValueText(Document& doc, int32_t start, const StructureMember& row, bool utf16, MemberValueText* text) {
  *text = MemberValueText{};
  if (!IsUsableMember(row)) return 0;
  uint8_t bytes[kMaxMemberBytes];
  int64_t at = static_cast<int64_t>(start) + row.offset;
  if (at < 0 || at + row.byteCount > doc.length) return -1;
  if (ReadBytes(doc, static_cast<int32_t>(at), bytes, row.byteCount) != row.byteCount) return -1;
  *text = FormatMemberValue(row, bytes, utf16);
  return 0;
}

int32_t MovedStart(int32_t caret, int32_t length, int32_t size, StartMove move) {
  int64_t start = caret;
  switch (move) {
    case StartMove::ByteBack: start -= 1; break;
    case StartMove::ByteForward: start += 1; break;
    case StartMove::StructureBack: start -= size; break;
    case StartMove::StructureForward: start += size; break;
    case StartMove::First: start = 0; break;
    case StartMove::Last: start = length; break;
  }
  return ClampStart(start, length, size);
}

bool MoveStart(InfoViewState& view, StartMove move) {
  if (view.phase != InfoPhase::Shown || view.doc == nullptr) return false;
  Document& doc = *view.doc;
  int32_t start = MovedStart(doc.caret, doc.length, view.structureSize, move);
  if (start == doc.caret) return false;
  doc.caret = start;
  return true;
}

NavigationButtons NavigationState(const InfoViewState& view) {
  NavigationButtons b;
  if (view.phase != InfoPhase::Shown || view.doc == nullptr) return b;
  const Document& doc = *view.doc;
  b.byteBack = b.structureBack = doc.caret > 0;
  b.byteForward = b.structureForward = static_cast<int64_t>(doc.caret) + view.structureSize < doc.length;
  return b;
}

std::string AddressFieldText(int32_t caret, uint32_t options) {
  int radix = AddressRadixOf(options);
  int base = radix == kAddressDecimal ? 10 : radix == kAddressOctal ? 8 : 16;
  return NumberText(caret, base, 0, false);
}

int SteppedComboItem(int item, int itemCount, bool forward, bool toEnd) {
  if (itemCount <= 0) return item;
  int next = toEnd ? (forward ? itemCount - 1 : 0) : item + (forward ? 1 : -1);
  return std::clamp(next, 0, itemCount - 1);
}

EscapeAction PressEscape(InfoViewState& view) {
  switch (view.phase) {
    case InfoPhase::Editing: view.phase = InfoPhase::Shown; return EscapeAction::DiscardEdit;
    case InfoPhase::Shown: CloseInfoView(view); return EscapeAction::Close;
    default: return EscapeAction::None;
  }
}

void CloseInfoView(InfoViewState& view) {
  ResetRows(view);
  view.rows.shrink_to_fit();
  view.comboItems.clear();
  view.comboItem = -1;
  view.doc = nullptr;
  view.phase = InfoPhase::Hidden;
}
