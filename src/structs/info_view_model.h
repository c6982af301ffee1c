// The information view without its window: which templates fit a document, the
// rows of the shown template, the start address (the document's caret) and its
// moves, the navigation buttons, and the view's shown / editing / hidden states.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/document.h"
#include "core/messages.h"
#include "structs/member_text.h"
#include "structs/structure.h"

// Hidden: no document. Shown: a template over a document. Editing: the in-place
// edit box is open over the current row.
enum class InfoPhase { Hidden, Shown, Editing };

// The view's state; the window adds its handles and pixel sizes.
struct InfoViewState {
  InfoPhase phase = InfoPhase::Hidden;
  Document* doc = nullptr;               // the shown document; not owned
  std::vector<int> comboItems;           // template index of each combo box item
  int comboItem = -1;                    // the selected combo box item, -1 before the first selection
  std::vector<StructureMember> rows;     // the shown template's members that are not unused
  int32_t structureSize = 0;             // totalSize of the shown template
  int32_t labelWidth = 0;                // characters: longest description in bytes + 1
  int32_t totalColumns = 0;              // characters: labelWidth + widest value
  int32_t currentRow = 0;
  int32_t topRow = 0;
  int32_t firstColumn = 0;

  int32_t rowCount() const { return static_cast<int32_t>(rows.size()); }
};

// The document is too short for every template (length below minimumSize): the
// hex view shows kMsgFileTooSmall (information icon) and does not attach.
bool DocumentTooSmall(const Document& doc, const StructureList& list);

// Indexes of the templates whose totalSize is at most length, in list order: the
// combo box items.
std::vector<int> FittingTemplates(const StructureList& list, int32_t length);

// The combo box item whose template index is lastUsed, else 0 (-1 when there is
// no item).
int InitialComboItem(const std::vector<int>& items, int32_t lastUsed);

// "<name><ext> の情報": the window title for a document path (the directory is
// dropped; a path that cannot be split is used whole).
std::string InfoViewTitle(const char* path);

// What Attach changed that the window must follow up.
struct InfoAttachResult {
  bool selectionDropped = false;  // the hex view repaints [oldAnchor, oldCaret) and refreshes its menu state
  int32_t oldAnchor = -1;
  int32_t oldCaret = 0;
};

// Attaches the view to doc: drops the selection (anchor -1), sets digitIndex to
// 0, fills comboItems with the fitting templates and selects the item of
// list.lastUsed (else item 0) through SelectTemplateItem; the phase becomes
// Shown. Returns 0, or -1 when no template fits (kMsgFileTooSmall shown with the
// information icon; a stale minimumSize lets that happen) or when
// SelectTemplateItem failed; the view then stays Hidden and doc's caret and
// bytes are as before (the selection may be dropped).
int AttachInfoView(InfoViewState& view, Document& doc, StructureList& list, InfoAttachResult* result);

// Shows the template of combo box item: resets the rows, widths, current row
// and scroll position (an open edit box is discarded: the phase becomes Shown),
// sets list.lastUsed and structureSize, moves the caret back to
// length - structureSize when the template would run past the end, and copies
// the rows. Returns 0; -1 for an item out of range (nothing changes), or after
// showing "ﾒﾓﾘを確保できません。" (stop icon) when the rows cannot be allocated
// (the view then has no rows).
int SelectTemplateItem(InfoViewState& view, StructureList& list, int item);

// The members of a template that are shown as rows (kind not unused), in order,
// with the offsets they had in the template.
std::vector<StructureMember> ShownRows(const Structure& structure);
// Longest description in bytes plus 1; 0 for no rows.
int32_t LabelWidthOf(const std::vector<StructureMember>& rows);
// labelWidth plus the largest MemberDisplayWidth; 0 for no rows.
int32_t TotalColumnsOf(const std::vector<StructureMember>& rows);

// True when the user may edit the row: not marked not editable, not unused and
// a usable member (IsUsableMember). Not-editable rows are drawn in the
// not-editable colour, even as the current row.
bool IsEditableRow(const StructureMember& row);

// The text of row's value over the bytes at start + row.offset, read with
// ReadBytes (utf16 as for FormatMemberValue). Returns 0, or -1 when fewer than
// byteCount bytes could be read (*text is then empty; nothing is reported, the
// caller shows "ﾃﾞｰﾀを取得できません。"). An unusable member gives "" and 0.
int RowValueText(Document& doc, int32_t start, const StructureMember& row, bool utf16, MemberValueText* text);

// Start-address moves: buttons 137-140 (ByteBack, ByteForward, StructureBack,
// StructureForward) and Shift with Left, Right, Up, Down, Home (First), End (Last).
enum class StartMove { ByteBack, ByteForward, StructureBack, StructureForward, First, Last };

// The start address after move from caret: -1, +1, -size, +size, 0 or length,
// then clamped to 0 .. length - size (0 when size exceeds length).
int32_t MovedStart(int32_t caret, int32_t length, int32_t size, StartMove move);

// Moves the shown document's caret; true when it changed (the window then
// rewrites the address field, repaints the list and updates the buttons). The
// hex view is not redrawn. Nothing happens while Hidden or Editing.
bool MoveStart(InfoViewState& view, StartMove move);

// Enabled state of the four navigation buttons: 137 and 139 when caret > 0,
// 138 and 140 when caret + size < length; all four are disabled while editing.
struct NavigationButtons {
  bool byteBack = false;       // 137 "1ﾊﾞｲﾄ前"
  bool byteForward = false;    // 138 "1ﾊﾞｲﾄ次"
  bool structureBack = false;  // 139 "前の構造体"
  bool structureForward = false;  // 140 "次の構造体"
  bool operator==(const NavigationButtons&) const = default;
};
NavigationButtons NavigationState(const InfoViewState& view);

// The address field: the caret in the document's address radix (16, 10 or 8),
// no padding, unsigned.
std::string AddressFieldText(int32_t caret, uint32_t options);

// Combo box moves with Shift+Page Up / Page Down: the previous or next item (the
// ends stay), with Ctrl the first or last. Gives item for an empty combo box.
int SteppedComboItem(int item, int itemCount, bool forward, bool toEnd);

// What Escape does: discard the edit box while editing, else close the view.
enum class EscapeAction { None, DiscardEdit, Close };
// Applies Escape: Editing becomes Shown (the bytes stay as they are), Shown
// becomes Hidden through CloseInfoView. Hidden does nothing.
EscapeAction PressEscape(InfoViewState& view);

// Forgets the document and the rows; the phase becomes Hidden.
void CloseInfoView(InfoViewState& view);
