// Splitting a path into drive, directory, name and extension and joining them,
// with Shift-JIS double-byte characters kept whole.
#include "core/path.h"

#include <cstring>
#include <string_view>
#include <vector>

#include "core/codepage.h"
#include "core/text_limits.h"

namespace {

// What a byte position holds, for the separators that matter to splitting.
enum ByteKind : char { kOther, kBackslash, kColon, kDot };

bool IsAsciiLetter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool IsForbidden(unsigned char c) { return c == '"' || c == '/' || c == '<' || c == '>' || c == '|'; }

// How a text ends, read character by character from its start.
enum class Tail { kEmpty, kSingle, kDouble, kLoneLead };

Tail TailOf(std::string_view s, unsigned char* lastSingle) {
  Tail tail = Tail::kEmpty;
  size_t i = 0;
  while (i < s.size()) {
    auto b = static_cast<unsigned char>(s[i]);
    if (IsLeadByte(b)) {
      if (i + 1 >= s.size()) return Tail::kLoneLead;
      tail = Tail::kDouble;
      i += 2;
    } else {
      tail = Tail::kSingle;
      *lastSingle = b;
      i += 1;
    }
  }
  return tail;
}

}  // namespace

int SplitPath(const char* path, PathParts* parts) {
  *parts = {};
  size_t len = strnlen(path, kMaxSplitPathLength);
  if (len >= static_cast<size_t>(kMaxSplitPathLength)) return -1;

  // One pass classifies every character start; trail bytes stay kOther.
  std::vector<char> kind(len, kOther);
  long lastBackslash = -1;
  long lastDot = -1;
  for (size_t i = 0; i < len;) {
    auto b = static_cast<unsigned char>(path[i]);
    if (IsLeadByte(b)) {
      if (i + 1 >= len) return -1;
      i += 2;
      continue;
    }
    if (IsForbidden(b)) return -1;
    if (b == '\\') {
      kind[i] = kBackslash;
      lastBackslash = static_cast<long>(i);
    } else if (b == ':') {
      kind[i] = kColon;
    } else if (b == '.') {
      kind[i] = kDot;
      lastDot = static_cast<long>(i);
    }
    ++i;
  }

  size_t extStart = (lastDot > lastBackslash) ? static_cast<size_t>(lastDot) : len;
  size_t nameStart = 0;
  for (size_t i = extStart; i > 0; --i) {
    if (kind[i - 1] == kBackslash || kind[i - 1] == kColon) {
      nameStart = i;
      break;
    }
  }
  size_t dirStart = 0;
  for (size_t i = nameStart; i > 0; --i) {
    if (kind[i - 1] == kColon) {
      dirStart = i;
      break;
    }
  }

  if (len - extStart > static_cast<size_t>(kMaxExtensionLength)) return -1;
  parts->ext.assign(path + extStart, len - extStart);
  if (extStart - nameStart > static_cast<size_t>(kMaxPathPartLength)) return -1;
  parts->name.assign(path + nameStart, extStart - nameStart);
  if (nameStart - dirStart > static_cast<size_t>(kMaxPathPartLength)) return -1;
  parts->dir.assign(path + dirStart, nameStart - dirStart);

  if (dirStart == 0) return 0;
  // The directory starts after a colon, so exactly "X:" may precede it.
  if (dirStart != 2 || !IsAsciiLetter(static_cast<unsigned char>(path[0]))) return -1;
  parts->drive.assign(path, 2);
  return 0;
}

int JoinPath(std::string* out, const PathParts& parts) {
  out->clear();
  std::string result;
  if (!parts.drive.empty()) {
    const std::string& d = parts.drive;
    bool letter = IsAsciiLetter(static_cast<unsigned char>(d[0]));
    if (!letter || d.size() > 2 || (d.size() == 2 && d[1] != ':')) return -1;
    result.push_back(d[0]);
    result.push_back(':');
  }
  if (!parts.dir.empty()) {
    unsigned char last = 0;
    Tail tail = TailOf(parts.dir, &last);
    if (tail == Tail::kLoneLead) return -1;
    result += parts.dir;
    // A double-byte character whose trail byte is 0x5C is not a separator.
    if (tail == Tail::kDouble || last != '\\') result.push_back('\\');
  }
  if (!parts.name.empty()) {
    unsigned char last = 0;
    if (TailOf(parts.name, &last) == Tail::kLoneLead) return -1;
    result += parts.name;
  }
  if (!parts.ext.empty()) {
    unsigned char last = 0;
    if (TailOf(parts.ext, &last) == Tail::kLoneLead) return -1;
    if (parts.ext[0] != '.') result.push_back('.');
    result += parts.ext;
  }
  // The result must fit the program's text buffers.
  if (result.size() > static_cast<size_t>(kMaxTextLength)) return -1;
  *out = std::move(result);
  return 0;
}
