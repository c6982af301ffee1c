// Template list operations of the template list dialog.
#include "structs/structure_list_edit.h"

#include <algorithm>
#include <new>
#include <utility>

#include "core/messages.h"
#include "core/user_message.h"

namespace {


bool IsIndex(const StructureList& list, int32_t index) {
  return index >= 0 && static_cast<size_t>(index) < list.structures.size();
}

void Reordered(StructureList& list) {
  list.count = static_cast<int32_t>(list.structures.size());
  list.lastUsed = 0;
}

}  // namespace

int32_t InitialStructureSelection(const StructureList& list) {
  return IsIndex(list, list.lastUsed) ? list.lastUsed : 0;
}

bool CanDeleteStructure(const StructureList& list) { return !list.structures.empty(); }

bool CanMoveStructure(const StructureList& list, int32_t selected) {
  return IsIndex(list, selected) && static_cast<size_t>(selected) + 1 < list.structures.size();
}

bool CanEditStructure(const StructureList& list, int32_t selected) { return IsIndex(list, selected); }

int NewStructure(StructureList& list, int32_t* selected) {
  try {
    Structure added;
    added.name = "新規構造体";
    StructureMember member;
    member.description = "新規ﾒﾝﾊﾞ";
    member.byteCount = 1;
    member.viewFlags = kMemberByte;
    added.members.push_back(std::move(member));
    LayOutStructure(added);
    // push_back either appends or leaves the list as it was.
    list.structures.push_back(std::move(added));
  } catch (const std::bad_alloc&) {
    ShowMessage(kMsgNoMemory, MessageIcon::Warning);
    return -1;
  }
  list.count = static_cast<int32_t>(list.structures.size());
  *selected = list.count - 1;
  return 0;
}

bool DeleteStructure(StructureList& list, int32_t* selected) {
  if (!IsIndex(list, *selected)) return false;
  list.structures.erase(list.structures.begin() + *selected);
  if (static_cast<size_t>(*selected) >= list.structures.size()) *selected -= 1;
  Reordered(list);
  return true;
}

bool MoveStructureToEnd(StructureList& list, int32_t selected) {
  if (!CanMoveStructure(list, selected)) return false;
  auto at = list.structures.begin() + selected;
  std::rotate(at, at + 1, list.structures.end());
  Reordered(list);
  return true;
}

bool DropStructure(StructureList& list, int32_t* selected, int32_t target) {
  if (!IsIndex(list, *selected) || !IsIndex(list, target) || target == *selected) return false;
  auto from = list.structures.begin() + *selected;
  auto to = list.structures.begin() + target;
  if (target > *selected) {
    std::rotate(from, from + 1, to + 1);
  } else {
    std::rotate(to, from, from + 1);
  }
  *selected = target;
  Reordered(list);
  return true;
}

void CloseStructureList(StructureList& list) { UpdateMinimumSize(list); }
