// Structure templates: layout, the minimum size and the four built-in templates.
#include "structs/structure.h"

#include <utility>

namespace {

struct BuiltinMember {
  const char* description;
  int32_t byteCount;
  uint32_t viewFlags;
};

const BuiltinMember kBitmapInfoHeader[] = {
    {"構造体のｻｲｽﾞ", 4, 0x05}, {"幅", 4, 0x42},         {"高さ", 4, 0x42},       {"ﾌﾟﾚｰﾝ数", 2, 0x31},
    {"ﾋﾞｯﾄ数", 2, 0x31},       {"圧縮ﾀｲﾌﾟ", 4, 0x32},   {"ｲﾒｰｼﾞｻｲｽﾞ", 4, 0x32}, {"水平解像度", 4, 0x42},
    {"垂直解像度", 4, 0x42},   {"ｶﾗｰｲﾝﾃﾞｯｸｽ", 4, 0x32}, {"重要な色", 4, 0x32},
};

const BuiltinMember kWaveFormatEx[] = {
    {"ﾌｫｰﾏｯﾄﾀｲﾌﾟ", 2, 0x01},    {"ﾁｬﾝﾈﾙ", 2, 0x31},  {"ｻﾝﾌﾟﾘﾝｸﾞﾚｰﾄ", 4, 0x32},   {"ﾃﾞｰﾀ転送ﾚｰﾄ", 4, 0x32},
    {"ﾌﾞﾛｯｸｱﾗｲﾝﾒﾝﾄ", 2, 0x31}, {"ﾋﾞｯﾄ数", 2, 0x31}, {"拡張ﾌｫｰﾏｯﾄｻｲｽﾞ", 2, 0x31},
};

const BuiltinMember kPeHeader[] = {
    {"ｼｸﾞﾈﾁｬ", 4, 0x03},
    {"ﾏｼﾝ", 2, 0x01},
    {"ｾｸｼｮﾝ数", 2, 0x31},
    {"日時", 4, 0x02},
    {"ｼﾝﾎﾞﾙﾃｰﾌﾞﾙのｵﾌｾｯﾄ", 4, 0x02},
    {"ｼﾝﾎﾞﾙﾃｰﾌﾞﾙ数", 4, 0x32},
    {"ｵﾌﾟｼｮﾝﾍｯﾀﾞのｻｲｽﾞ", 2, 0x01},
    {"属性", 2, 0x01},
    {"状態", 2, 0x01},
    {"ﾘﾝｶのﾊﾞｰｼﾞｮﾝ", 2, 0x81},
    {"ｺｰﾄﾞｾｸｼｮﾝのｻｲｽﾞ", 4, 0x02},
    {"初期化されたﾃﾞｰﾀｾｸｼｮﾝのｻｲｽﾞ", 4, 0x02},
    {"初期化されないﾃﾞｰﾀｾｸｼｮﾝのｻｲｽﾞ", 4, 0x02},
    {"ｴﾝﾄﾘﾎﾟｲﾝﾄｱﾄﾞﾚｽ", 4, 0x02},
    {"ｺｰﾄﾞｾｸｼｮﾝの先頭ｱﾄﾞﾚｽ", 4, 0x02},
    {"ﾃﾞｰﾀｾｸｼｮﾝの先頭ｱﾄﾞﾚｽ", 4, 0x02},
    {"ｲﾒｰｼﾞのﾍﾞｰｽｱﾄﾞﾚｽ", 4, 0x02},
    {"ｾｸｼｮﾝのｱﾗｲﾒﾝﾄ", 4, 0x02},
    {"ﾌｧｲﾙのｱﾗｲﾒﾝﾄ", 4, 0x02},
    {"OSのﾊﾞｰｼﾞｮﾝ", 4, 0x02},
    {"ｲﾒｰｼﾞのﾊﾞｰｼﾞｮﾝ", 4, 0x02},
    {"ｻﾌﾞｼｽﾃﾑのﾊﾞｰｼﾞｮﾝ", 4, 0x02},
    {"予約", 4, 0x05},
    {"ｲﾒｰｼﾞのｻｲｽﾞ", 4, 0x02},
    {"ﾍｯﾀﾞｻｲｽﾞ", 4, 0x02},
    {"ﾁｪｯｸｻﾑ", 4, 0x02},
    {"ｻﾌﾞｼｽﾃﾑ", 2, 0x01},
    {"DLL特性", 2, 0x01},
    {"保存するｽﾀｯｸｻｲｽﾞ", 4, 0x02},
    {"ｺﾐｯﾄするｽﾀｯｸｻｲｽﾞ", 4, 0x02},
    {"保存するﾋｰﾌﾟｻｲｽﾞ", 4, 0x02},
    {"ｺﾐｯﾄするﾋｰﾌﾟｻｲｽﾞ", 4, 0x02},
    {"無効", 4, 0x05},
    {"ﾃﾞｰﾀﾃﾞｨｸｼｮﾅﾘｴﾝﾄﾘの数", 4, 0x02},
};

const BuiltinMember kPeSectionTable[] = {
    {"名前", 8, 0x03},
    {"仮想ｻｲｽﾞ", 4, 0x02},
    {"仮想相対ｱﾄﾞﾚｽ", 4, 0x02},
    {"ｾｸｼｮﾝのｻｲｽﾞ", 4, 0x02},
    {"ｾｸｼｮﾝﾃﾞｰﾀへのﾎﾟｲﾝﾀ", 4, 0x02},
    {"再配置ｴﾝﾄﾘへのﾎﾟｲﾝﾀ", 4, 0x02},
    {"行番号ｴﾝﾄﾘへのﾎﾟｲﾝﾀ", 4, 0x02},
    {"再配置ｴﾝﾄﾘの数", 2, 0x31},
    {"行番号ｴﾝﾄﾘの数", 2, 0x31},
    {"特性", 4, 0x02},
};

template <size_t N>
Structure MakeBuiltin(const char* name, const BuiltinMember (&members)[N]) {
  Structure s;
  s.name = name;
  s.members.reserve(N);
  for (const BuiltinMember& m : members) {
    StructureMember member;
    member.description = m.description;
    member.byteCount = m.byteCount;
    member.viewFlags = m.viewFlags;
    s.members.push_back(std::move(member));
  }
  LayOutStructure(s);
  return s;
}

int32_t Saturate(int64_t v) {
  return v > INT32_MAX ? INT32_MAX : v < INT32_MIN ? INT32_MIN : static_cast<int32_t>(v);
}

}  // namespace

bool IsUsableMember(const StructureMember& member) {
  uint32_t kind = MemberKindOf(member.viewFlags);
  if (kind > kMemberUnused) return false;
  int32_t fixed = IntegerMemberSize(kind);
  if (fixed != 0) return member.byteCount == fixed;
  return member.byteCount >= 1 && member.byteCount <= kMaxMemberBytes;
}

void LayOutStructure(Structure& structure) {
  int64_t offset = 0;
  for (StructureMember& m : structure.members) {
    m.offset = Saturate(offset);
    offset += m.byteCount;
  }
  structure.totalSize = Saturate(offset);
}

void UpdateMinimumSize(StructureList& list) {
  int32_t minimum = INT32_MAX;
  for (const Structure& s : list.structures) {
    if (s.totalSize < minimum) minimum = s.totalSize;
  }
  list.minimumSize = minimum;
}

void InstallBuiltinStructures(StructureList& list) {
  list.structures.clear();
  list.structures.push_back(MakeBuiltin("BITMAPINFOHEADER", kBitmapInfoHeader));
  list.structures.push_back(MakeBuiltin("WAVEFORMATEX", kWaveFormatEx));
  list.structures.push_back(MakeBuiltin("PEﾍｯﾀﾞ", kPeHeader));
  list.structures.push_back(MakeBuiltin("PEｾｸｼｮﾝﾃｰﾌﾞﾙ", kPeSectionTable));
  list.count = static_cast<int32_t>(list.structures.size());
  UpdateMinimumSize(list);
}

StructureList g_structures;
