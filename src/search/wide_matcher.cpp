// The filtered width-insensitive search.
#include "search/wide_matcher.h"

#include <algorithm>
#include <cstring>

#include "core/codepage.h"
#include "search/compare.h"

namespace {

constexpr int kComparesPerPacerCheck = 256;

// The character at t (avail bytes): its code and size, or size 0 when the bytes
// end inside it (a lead byte at the end).
inline int32_t Decode(const uint8_t* t, int32_t avail, CharCode* code) {
  if (!IsLeadByte(t[0])) {
    *code = t[0];
    return 1;
  }
  if (avail < 2) return 0;
  *code = static_cast<CharCode>(t[0] << 8 | t[1]);
  return 2;
}

std::string_view Bytes(CharCode code, char (&buffer)[2]) { return CharBytes(code, buffer); }

}  // namespace

WideMatcher::WideMatcher(const uint8_t* pattern, int32_t count, int options)
    : count_(std::clamp(count, 1, 128)),
      options_(options),
      traits_(CharTraits::For(WidthInsensitiveFlags(options))),
      irregularFrom_(0) {
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

// How text character code stands to the pattern character at place: equal,
// apart, or risky when the weights of one may begin with the other's (one
// sorts after the other but not after the other followed by the ceiling).
WideMatcher::Relation WideMatcher::RelationOf(int32_t place, CharCode code) {
  auto& table = relations_[static_cast<size_t>(chars_[static_cast<size_t>(place)].table)];
  if (!table) table.reset(new uint8_t[65536]());
  uint8_t& known = table[code];
  if (known == kUnknown) {
    char tb[2], pb[2];
    std::string x(Bytes(code, tb)), p(Bytes(chars_[static_cast<size_t>(place)].code, pb));
    int order = traits_.Compare(x, p);
    if (order == 0) {
      known = kEqual;
    } else {
      std::string_view ceiling = traits_.Ceiling();
      bool risky = order > 0 ? traits_.Compare(x, p + std::string(ceiling)) <= 0
                             : traits_.Compare(p, x + std::string(ceiling)) <= 0;
      known = risky ? kRisky : kApart;
    }
  }
  return static_cast<Relation>(known);
}

bool WideMatcher::MayMatch(const uint8_t* t, int32_t avail) {
  const int32_t chars = static_cast<int32_t>(chars_.size());
  int32_t at = 0;
  for (int32_t place = 0; place < chars; ++place) {
    if (at >= avail) return false;  // the text ends before the pattern's characters do
    CharCode code;
    int32_t size = Decode(t + at, avail - at, &code);
    if (size == 0) return false;
    at += size;
    if (place >= irregularFrom_ || traits_.Weightless(code)) return true;
    if (place > 0 && traits_.Contextual(code)) return true;
    Relation relation = RelationOf(place, code);
    if (relation == kEqual) continue;
    if (relation == kRisky) return true;
    // Apart. A weightless character right after the pair could still change it.
    if (place + 1 >= chars) return false;
    if (place + 1 >= irregularFrom_) return true;
    if (at >= avail) return false;
    CharCode next;
    if (Decode(t + at, avail - at, &next) == 0) return false;
    return traits_.Weightless(next);
  }
  return true;
}

int32_t WideMatcher::Try(const uint8_t* t, int32_t avail) {
  if (!MayMatch(t, avail)) return 0;
  ++compareCalls_;
  return Compare(t, avail, pattern_, count_, options_);
}

ScanHit WideMatcher::Forward(const uint8_t* base, int32_t baseOffset, int32_t from, int32_t to, int32_t limit,
                             SearchPacer& pacer) {
  const int32_t reach = 2 * count_;
  int64_t nextCheck = compareCalls_ + kComparesPerPacerCheck;
  for (int32_t d = from; d < to; ++d) {
    const uint8_t* t = base + (d - baseOffset);
    int32_t length = Try(t, std::min(reach, limit - d));
    if (length > 0) return {d, length, false};
    if (compareCalls_ >= nextCheck) {
      if (pacer.ShouldStop()) return {-1, 0, true};
      nextCheck = compareCalls_ + kComparesPerPacerCheck;
    }
  }
  return {};
}

ScanHit WideMatcher::Backward(const uint8_t* base, int32_t baseOffset, int32_t from, int32_t to, int32_t limit,
                              SearchPacer& pacer) {
  const int32_t reach = 2 * count_;
  int64_t nextCheck = compareCalls_ + kComparesPerPacerCheck;
  for (int32_t d = to - 1; d >= from; --d) {
    const uint8_t* t = base + (d - baseOffset);
    int32_t length = Try(t, std::min(reach, limit - d));
    if (length > 0) return {d, length, false};
    if (compareCalls_ >= nextCheck) {
      if (pacer.ShouldStop()) return {-1, 0, true};
      nextCheck = compareCalls_ + kComparesPerPacerCheck;
    }
  }
  return {};
}
