// The template detail dialog's model: working copy, controls and enable rules.
#include "structs/structure_detail.h"

#include <algorithm>
#include <cstddef>
#include <new>
#include <utility>

#include "core/messages.h"
#include "core/stored_text.h"
#include "core/user_message.h"

namespace {


StructureMember* Selected(StructureDetail& detail) {
  if (detail.selected < 0 || static_cast<size_t>(detail.selected) >= detail.workingMembers.size()) return nullptr;
  return &detail.workingMembers[static_cast<size_t>(detail.selected)];
}

bool IsStoredByteCount(int32_t value) { return value >= 1 && value <= kMaxMemberBytes; }

MemberControls ControlsOf(const StructureMember& m) {
  MemberControls c;
  c.description = m.description;
  c.byteCountText = std::to_string(m.byteCount);
  c.kind = std::min<uint32_t>(MemberKindOf(m.viewFlags), kMemberUnused);
  c.notEditable = (m.viewFlags & kMemberNotEditable) != 0;
  int radix = MemberRadixOf(m.viewFlags);
  c.radix = radix <= 4 ? radix : 0;
  c.motorola = (m.viewFlags & kMemberMotorola) != 0;
  c.unicode = (m.viewFlags & kMemberUnicode) != 0;
  return c;
}

uint32_t FlagsOf(const MemberControls& c) {
  return c.kind | (c.notEditable ? kMemberNotEditable : 0) |
         (static_cast<uint32_t>(c.radix) << kMemberRadixShift) | (c.motorola ? kMemberMotorola : 0) |
         (c.unicode ? kMemberUnicode : 0);
}

void SetFlag(StructureDetail& detail, uint32_t mask, uint32_t value) {
  if (StructureMember* m = Selected(detail)) m->viewFlags = (m->viewFlags & ~mask) | (value & mask);
  detail.okEnabled = true;
}

void LoadSelected(StructureDetail& detail) {
  if (StructureMember* m = Selected(detail)) detail.controls = ControlsOf(*m);
}

}  // namespace

int OpenStructureDetail(const Structure& structure, StructureDetail* detail) {
  try {
    StructureDetail opened;
    opened.workingName = structure.name;
    opened.workingMembers = structure.members;
    if (!opened.workingMembers.empty()) {
      opened.selected = 0;
      LoadSelected(opened);
    }
    *detail = std::move(opened);
  } catch (const std::bad_alloc&) {
    ShowMessage(kMsgNoMemory, MessageIcon::Warning);
    return -1;
  }
  return 0;
}

DetailEnables DetailEnableState(const StructureDetail& detail) {
  const uint32_t kind = detail.controls.kind;
  DetailEnables e;
  e.notEditable = kind != kMemberUnused;
  e.byteCount = kind == kMemberString || kind == kMemberSequence || kind == kMemberUnused;
  e.radix = kind != kMemberString && kind != kMemberUnused;
  e.byteOrder = kind == kMemberWord || kind == kMemberDword;
  e.charCode = kind == kMemberString;
  int32_t count = 0;
  e.newMember = ParseByteCountText(detail.controls.byteCountText, &count) && IsStoredByteCount(count);
  e.deleteMember = detail.workingMembers.size() > 1;
  e.ok = detail.okEnabled;
  return e;
}

bool ParseByteCountText(std::string_view text, int32_t* value) {
  size_t i = text.find_first_not_of(' ');
  if (i == std::string_view::npos) return false;
  bool negative = text[i] == '-';
  if (negative) ++i;
  if (i >= text.size()) return false;
  int64_t v = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    v = v * 10 + (text[i] - '0');
    if (v > INT32_MAX) return false;
  }
  *value = static_cast<int32_t>(negative ? -v : v);
  return true;
}

void ChangeDetailName(StructureDetail& detail, std::string_view text) {
  detail.workingName = StoredText(text);
  detail.okEnabled = true;
}

void ChangeDetailDescription(StructureDetail& detail, std::string_view text) {
  detail.controls.description = StoredText(text);
  if (StructureMember* m = Selected(detail)) m->description = detail.controls.description;
  detail.okEnabled = true;
}

void ChangeDetailByteCount(StructureDetail& detail, std::string_view text) {
  detail.controls.byteCountText = std::string(text);
  int32_t count = 0;
  StructureMember* m = Selected(detail);
  if (m != nullptr && ParseByteCountText(text, &count) && IsStoredByteCount(count)) {
    int32_t fixed = IntegerMemberSize(MemberKindOf(m->viewFlags));
    m->byteCount = fixed != 0 ? fixed : count;
  }
  detail.okEnabled = true;
}

void ChooseDetailKind(StructureDetail& detail, uint32_t kind) {
  if (kind > kMemberUnused) return;
  detail.controls.kind = kind;
  // The kind bits first, so that the byte count rule below sees the new kind.
  SetFlag(detail, kMemberKindMask, kind);
  if (int32_t fixed = IntegerMemberSize(kind)) ChangeDetailByteCount(detail, std::to_string(fixed));
}

void ChooseDetailRadix(StructureDetail& detail, int radix) {
  if (radix < 0 || radix > 4) return;
  detail.controls.radix = radix;
  SetFlag(detail, kMemberRadixMask, static_cast<uint32_t>(radix) << kMemberRadixShift);
}

void ChooseDetailByteOrder(StructureDetail& detail, bool motorola) {
  detail.controls.motorola = motorola;
  SetFlag(detail, kMemberMotorola, motorola ? kMemberMotorola : 0);
}

void ChooseDetailCharCode(StructureDetail& detail, bool unicode) {
  detail.controls.unicode = unicode;
  SetFlag(detail, kMemberUnicode, unicode ? kMemberUnicode : 0);
}

void ChangeDetailNotEditable(StructureDetail& detail, bool notEditable) {
  detail.controls.notEditable = notEditable;
  SetFlag(detail, kMemberNotEditable, notEditable ? kMemberNotEditable : 0);
}

void SpinDetailByteCount(StructureDetail& detail, SpinCode code) {
  int32_t value = 0;
  if (!ParseByteCountText(detail.controls.byteCountText, &value)) value = 0;
  int64_t next = value;
  if (code == SpinCode::Up) next += 1;
  if (code == SpinCode::Down) next -= 1;
  next = std::clamp<int64_t>(next, 1, kMaxMemberBytes + 1);
  ChangeDetailByteCount(detail, std::to_string(next));
}

void SelectDetailMember(StructureDetail& detail, int32_t index) {
  if (index < 0 || static_cast<size_t>(index) >= detail.workingMembers.size()) return;
  detail.selected = index;
  LoadSelected(detail);
}

int AddDetailMember(StructureDetail& detail) {
  int32_t count = 0;
  if (!ParseByteCountText(detail.controls.byteCountText, &count) || !IsStoredByteCount(count)) return 1;
  StructureMember added;
  int32_t fixed = IntegerMemberSize(detail.controls.kind);
  added.byteCount = fixed != 0 ? fixed : count;
  added.viewFlags = FlagsOf(detail.controls);
  size_t at = Selected(detail) != nullptr ? static_cast<size_t>(detail.selected) + 1 : 0;
  try {
    added.description = detail.controls.description;
    detail.workingMembers.insert(detail.workingMembers.begin() + static_cast<std::ptrdiff_t>(at), std::move(added));
  } catch (const std::bad_alloc&) {
    ShowMessage(kMsgNoMemory, MessageIcon::Warning);
    return -1;
  }
  detail.selected = static_cast<int32_t>(at);
  detail.okEnabled = true;
  return 0;
}

bool DeleteDetailMember(StructureDetail& detail) {
  if (detail.workingMembers.size() <= 1 || Selected(detail) == nullptr) return false;
  detail.workingMembers.erase(detail.workingMembers.begin() + detail.selected);
  if (static_cast<size_t>(detail.selected) >= detail.workingMembers.size()) detail.selected -= 1;
  LoadSelected(detail);
  detail.okEnabled = true;
  return true;
}

int CommitStructureDetail(const StructureDetail& detail, Structure& structure) {
  try {
    std::string name = detail.workingName;
    std::vector<StructureMember> members = detail.workingMembers;
    structure.name.swap(name);
    structure.members.swap(members);
  } catch (const std::bad_alloc&) {
    ShowMessage(kMsgNoMemory, MessageIcon::Warning);
    return -1;
  }
  LayOutStructure(structure);
  return 0;
}
