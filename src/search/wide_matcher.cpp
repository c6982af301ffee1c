// The filtered width-insensitive search.
#include "search/wide_matcher.h"

#include <algorithm>
#include <cstring>

#include "core/codepage.h"
#include "search/compare.h"

namespace {

// Positions between two looks at the pacer: a few milliseconds even where the
// system comparison runs at most of them or characters are being learnt.
constexpr int32_t kPositionsPerPacerCheck = 4096;
// A lead byte is summed up (256 characters learnt) after this many positions began with it.
constexpr uint16_t kSummariseLeadAfter = 64;

// The character at t (avail bytes): its code and size, or size 0 when the bytes
// end inside it (a lead byte at the end).
inline int32_t Decode(const bool* lead, const uint8_t* t, int32_t avail, CharCode* code) {
  if (!lead[t[0]]) {
    *code = t[0];
    return 1;
  }
  if (avail < 2) return 0;
  *code = static_cast<CharCode>(t[0] << 8 | t[1]);
  return 2;
}

}  // namespace

WideMatcher::WideMatcher(const uint8_t* pattern, int32_t count, int options)
    : count_(std::clamp(count, 1, 128)),
      options_(options),
      traits_(CharTraits::For(WidthInsensitiveFlags(options))),
      irregularFrom_(0),
      start_(new uint8_t[65536]()) {
  for (int b = 0; b < 256; ++b) lead_[b] = IsLeadByte(static_cast<unsigned char>(b));
  std::memcpy(pattern_, pattern, static_cast<size_t>(count_));
  std::vector<CharCode> distinct;
  bool irregular = false;
  for (int32_t i = 0; i < count_;) {
    int32_t size = IsLeadByte(pattern_[i]) && i + 1 < count_ ? 2 : 1;
    CharCode code = static_cast<CharCode>(size == 2 ? pattern_[i] << 8 | pattern_[i + 1] : pattern_[i]);
    // A lone lead byte at the end has no code of its own; the filter stops before it.
    bool lone = size == 1 && IsLeadByte(pattern_[i]);
    int32_t place = static_cast<int32_t>(chars_.size());
    if (!irregular && (lone || traits_.Weightless(code) || (place > 0 && traits_.Contextual(code)))) {
      irregular = true;
      irregularFrom_ = place;
    }
    auto known = std::find(distinct.begin(), distinct.end(), code);
    int32_t table = static_cast<int32_t>(known - distinct.begin());
    if (known == distinct.end()) distinct.push_back(code);
    chars_.push_back({code, table});
    i += size;
  }
  if (!irregular) irregularFrom_ = static_cast<int32_t>(chars_.size());
  relations_.resize(distinct.size());
}

WideMatcher::Relation WideMatcher::RelationOf(int32_t place, CharCode code) {
  auto& table = relations_[static_cast<size_t>(chars_[static_cast<size_t>(place)].table)];
  if (!table) table.reset(new uint8_t[65536]());
  uint8_t& known = table[code];
  if (known == kUnknown) {
    char tb[2], pb[2];
    std::string x(CharBytes(code, tb)), p(CharBytes(chars_[static_cast<size_t>(place)].code, pb));
    int order = traits_.Compare(x, p);
    if (order == 0) {
      known = kEqual;
    } else {
      std::string ceiling(traits_.Ceiling());
      bool risky = order > 0 ? traits_.Compare(x, p + ceiling) <= 0 : traits_.Compare(p, x + ceiling) <= 0;
      known = risky ? kRisky : kApart;
    }
  }
  return static_cast<Relation>(known);
}

bool WideMatcher::MayMatch(const uint8_t* t, int32_t avail) {
  const int32_t chars = static_cast<int32_t>(chars_.size());
  int32_t at = 0, place = 0;
  for (int32_t taken = 0; taken < chars; ++taken) {
    if (at >= avail) return false;  // the text ends before the pattern's count of characters
    CharCode code;
    int32_t size = Decode(lead_, t + at, avail - at, &code);
    if (size == 0) return false;
    at += size;
    if (traits_.Ignorable(code)) continue;
    if (place >= irregularFrom_) return true;
    if (traits_.Weightless(code)) continue;
    if (taken > 0 && traits_.Contextual(code)) return true;
    Relation relation = RelationOf(place, code);
    if (relation == kApart) return false;
    if (relation == kRisky) return true;
    ++place;
  }
  return place >= irregularFrom_;
}

WideMatcher::Start WideMatcher::LearnStart(CharCode code) {
  bool rejects = irregularFrom_ > 0 && !traits_.Weightless(code) && RelationOf(0, code) == kApart;
  Start start = rejects ? kStartRejects : kStartExamine;
  start_[code] = start;
  if (code < 256) byteStart_[code] = start;
  return start;
}

void WideMatcher::SummariseLead(uint8_t lead) {
  uint8_t all = kStartRejects;
  for (int trail = 0; trail < 256; ++trail) {
    CharCode code = static_cast<CharCode>(lead << 8 | trail);
    uint8_t start = start_[code] != kStartUnknown ? start_[code] : static_cast<uint8_t>(LearnStart(code));
    all = std::max(all, start);
  }
  byteStart_[lead] = all;
}

// The byte's summary when there is one, else the first character's own verdict.
inline bool WideMatcher::StartMayMatch(const uint8_t* t, int32_t left) {
  const uint8_t first = t[0];
  const uint8_t summary = byteStart_[first];
  if (!lead_[first]) {
    return (summary != kStartUnknown ? summary : static_cast<uint8_t>(LearnStart(first))) != kStartRejects;
  }
  if (summary == kStartRejects || left < 2) return false;
  if (summary == kStartUnknown && ++leadSeen_[first] == kSummariseLeadAfter) SummariseLead(first);
  const CharCode code = static_cast<CharCode>(first << 8 | t[1]);
  const uint8_t own = start_[code];
  return (own != kStartUnknown ? own : static_cast<uint8_t>(LearnStart(code))) != kStartRejects;
}

int32_t WideMatcher::Try(const uint8_t* t, int32_t avail) {
  if (!MayMatch(t, avail)) return 0;
  ++compareCalls_;
  return Compare(t, avail, pattern_, count_, options_);
}

ScanHit WideMatcher::Forward(const uint8_t* base, int32_t baseOffset, int32_t from, int32_t to, int32_t limit,
                             SearchPacer& pacer) {
  const int32_t reach = 2 * count_;
  for (int32_t chunk = from; chunk < to; chunk += kPositionsPerPacerCheck) {
    if (chunk > from && pacer.ShouldStop()) return {-1, 0, true};
    const int32_t chunkEnd = std::min(to, chunk + kPositionsPerPacerCheck);
    for (int32_t d = chunk; d < chunkEnd; ++d) {
      const uint8_t* t = base + (d - baseOffset);
      if (byteStart_[t[0]] == kStartRejects) continue;  // the common case, kept in the loop
      if (!StartMayMatch(t, limit - d)) continue;
      int32_t length = Try(t, std::min(reach, limit - d));
      if (length > 0) return {d, length, false};
    }
  }
  return {};
}

ScanHit WideMatcher::Backward(const uint8_t* base, int32_t baseOffset, int32_t from, int32_t to, int32_t limit,
                              SearchPacer& pacer) {
  const int32_t reach = 2 * count_;
  for (int32_t chunk = to; chunk > from; chunk -= kPositionsPerPacerCheck) {
    if (chunk < to && pacer.ShouldStop()) return {-1, 0, true};
    const int32_t chunkStart = std::max(from, chunk - kPositionsPerPacerCheck);
    for (int32_t d = chunk - 1; d >= chunkStart; --d) {
      const uint8_t* t = base + (d - baseOffset);
      if (byteStart_[t[0]] == kStartRejects) continue;
      if (!StartMayMatch(t, limit - d)) continue;
      int32_t length = Try(t, std::min(reach, limit - d));
      if (length > 0) return {d, length, false};
    }
  }
  return {};
}
