// The template detail dialog as a model: a working copy of one template's name
// and members, the member controls, the enable rules and every change the
// controls make. The template itself changes only in CommitStructureDetail.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "structs/structure.h"

// What the member controls show: description (103), byte count text (104, the
// spin 126 writes into it), the checked kind (111-116), not editable (101),
// radix (117-121), Motorola (123 checked, else 122), UNICODE (125, else 124).
struct MemberControls {
  std::string description;
  std::string byteCountText = "1";
  uint32_t kind = kMemberByte;
  bool notEditable = false;
  int radix = 0;
  bool motorola = false;
  bool unicode = false;
  bool operator==(const MemberControls&) const = default;
};

struct StructureDetail {
  std::string workingName;
  std::vector<StructureMember> workingMembers;  // workingCount is its size
  int32_t selected = -1;   // the member list's selection, -1 when it has none
  MemberControls controls;
  bool okEnabled = false;
};

// Which controls are enabled.
struct DetailEnables {
  bool notEditable = false;   // 101: unless unused
  bool byteCount = false;     // 104 and spin 126: string, byte sequence, unused
  bool radix = false;         // group 105, 117-121: unless string or unused
  bool byteOrder = false;     // group 106, 122-123: WORD, DWORD
  bool charCode = false;      // group 107, 124-125: string
  bool newMember = false;     // 109: 104 holds a number from 1 to 1023
  bool deleteMember = false;  // 110: more than one member
  bool ok = false;            // 1: after any change
  bool operator==(const DetailEnables&) const = default;
};

// The limits of the text controls: name and description, byte count.
inline constexpr int kDetailTextLimit = 3075;
inline constexpr int kByteCountTextLimit = 5;

// Opens on a copy of structure: member 0 selected and loaded, or, without
// members, the default controls (editable BYTE, hexadecimal, Intel, Shift-JIS,
// empty description, byte count 1). OK starts disabled. Returns 0, or -1 after
// showing "ﾒﾓﾘを確保できません" (warning icon; the dialog ends with Cancel).
int OpenStructureDetail(const Structure& structure, StructureDetail* detail);

DetailEnables DetailEnableState(const StructureDetail& detail);

// The number in a byte count text as GetDlgItemInt reads it (leading blanks,
// an optional "-", digits only); false when it holds none.
bool ParseByteCountText(std::string_view text, int32_t* value);

// The changes of the controls. Each updates the controls, applies to the
// selected member when there is one, and enables OK. Texts are stored cut to
// 3074 bytes. A byte count is stored only when it is 1 to 1023 (a BYTE, WORD or
// DWORD member always keeps 1, 2 or 4).
void ChangeDetailName(StructureDetail& detail, std::string_view text);
void ChangeDetailDescription(StructureDetail& detail, std::string_view text);  // the list entry follows
void ChangeDetailByteCount(StructureDetail& detail, std::string_view text);
// Choosing BYTE, WORD or DWORD first writes 1, 2 or 4 into the byte count.
void ChooseDetailKind(StructureDetail& detail, uint32_t kind);
void ChooseDetailRadix(StructureDetail& detail, int radix);
void ChooseDetailByteOrder(StructureDetail& detail, bool motorola);
void ChooseDetailCharCode(StructureDetail& detail, bool unicode);
void ChangeDetailNotEditable(StructureDetail& detail, bool notEditable);

// The spin: up adds 1, down subtracts 1 (other codes keep the value; a text
// without a number counts as 0), the result limited to 1 .. 1024 is written
// into the byte count, which then runs its rule (1024 is shown, not stored).
enum class SpinCode { Up, Down, Other };
void SpinDetailByteCount(StructureDetail& detail, SpinCode code);

// Another member selected in the list: its values are loaded; OK keeps its state.
void SelectDetailMember(StructureDetail& detail, int32_t index);

// 新規: a member made from the controls (whatever is enabled) is inserted after
// the selected one (at 0 when the list is empty) and selected; OK is enabled.
// Returns 0; 1 when 104 holds no byte count from 1 to 1023 (nothing happens);
// -1 after showing "ﾒﾓﾘを確保できません" (warning icon; the members stay).
int AddDetailMember(StructureDetail& detail);

// 削除: the selected member goes; the one now at its place, or the previous one
// when the last went, is selected and loaded; OK is enabled. False (nothing
// happens) with one member or none, or without a selection.
bool DeleteDetailMember(StructureDetail& detail);

// OK: the template gets the working name and a copy of the working members,
// laid out. Returns 0, or -1 after showing "ﾒﾓﾘを確保できません" (warning icon);
// the template is then exactly as before.
int CommitStructureDetail(const StructureDetail& detail, Structure& structure);
