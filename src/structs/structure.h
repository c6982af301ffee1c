// Structure templates: fixed-layout records laid over the bytes at the caret.
#pragma once

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

// viewFlags fields.
enum MemberKind : uint32_t {
  kMemberByte = 0,
  kMemberWord = 1,
  kMemberDword = 2,
  kMemberString = 3,
  kMemberSequence = 4,
  kMemberUnused = 5,
};
inline constexpr uint32_t kMemberKindMask = 0x7;
inline constexpr uint32_t kMemberNotEditable = 0x8;
inline constexpr uint32_t kMemberRadixShift = 4;
inline constexpr uint32_t kMemberRadixMask = 0x70;
inline constexpr uint32_t kMemberMotorola = 0x80;
inline constexpr uint32_t kMemberUnicode = 0x100;

inline uint32_t MemberKindOf(uint32_t flags) { return flags & kMemberKindMask; }
inline int MemberRadixOf(uint32_t flags) { return static_cast<int>((flags & kMemberRadixMask) >> kMemberRadixShift); }

// Largest byte count of a string, byte-sequence or unused member.
inline constexpr int32_t kMaxMemberBytes = 1023;

// Bytes of a BYTE, WORD or DWORD member (1, 2, 4); 0 for the other kinds.
inline int32_t IntegerMemberSize(uint32_t kind) {
  return kind == kMemberByte ? 1 : kind == kMemberWord ? 2 : kind == kMemberDword ? 4 : 0;
}

struct StructureMember {
  std::string description;  // at most 3074 bytes of Shift-JIS
  int32_t offset = 0;       // computed by LayOutStructure, never stored
  int32_t byteCount = 0;
  uint32_t viewFlags = 0;
};

// A string member whose text is UTF-16 (UNICODE) rather than Shift-JIS.
inline bool IsUnicodeString(const StructureMember& member) {
  return MemberKindOf(member.viewFlags) == kMemberString && (member.viewFlags & kMemberUnicode) != 0;
}

struct Structure {
  std::string name;  // at most 3074 bytes of Shift-JIS
  std::vector<StructureMember> members;  // memberCount is members.size()
  int32_t totalSize = 0;                 // computed by LayOutStructure, never stored
};

inline constexpr int32_t kStructureCountUnset = 0x7FFFFFFF;

struct StructureList {
  std::vector<Structure> structures;
  // "imnum": kStructureCountUnset until templates are loaded or installed;
  // afterwards equal to structures.size().
  int32_t count = kStructureCountUnset;
  int32_t lastUsed = 0x7FFFFFFF;  // "impos"; out of range selects the first template
  int32_t minimumSize = INT32_MAX;
};

// The program's templates ("INFOMATION%d"), loaded at start-up and saved at exit.
extern StructureList g_structures;

// True when the member can be shown: a known kind, and a byte count of 1, 2 or 4
// for BYTE, WORD and DWORD, of 1 to kMaxMemberBytes for the other kinds.
bool IsUsableMember(const StructureMember& member);

// Recomputes every member's offset (running sum from 0) and the template's
// totalSize. Sums beyond INT32_MAX stay at INT32_MAX.
void LayOutStructure(Structure& structure);

// Recomputes minimumSize: the smallest totalSize, INT32_MAX for an empty list.
void UpdateMinimumSize(StructureList& list);

// Replaces the list's templates by the four built-in ones (count 4, minimumSize 18);
// lastUsed is left as it is.
void InstallBuiltinStructures(StructureList& list);
