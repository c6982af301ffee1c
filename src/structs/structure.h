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

struct StructureMember {
  std::string description;  // at most 3074 bytes of Shift-JIS
  int32_t offset = 0;       // computed by LayOutStructure, never stored
  int32_t byteCount = 0;
  uint32_t viewFlags = 0;
};

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

// Recomputes every member's offset and the template's totalSize.
void LayOutStructure(Structure& structure);

// Recomputes minimumSize: the smallest totalSize, INT32_MAX for an empty list.
void UpdateMinimumSize(StructureList& list);

// Installs the four built-in templates (count 4, minimumSize 18).
void InstallBuiltinStructures(StructureList& list);
