// Paths: Shift-JIS-aware splitting and joining, canonical form, existence.
#pragma once

#include <string>

// Splitting limits: a path of kMaxSplitPathLength bytes or more, a directory or
// name of 1,025 bytes or more and an extension of 1,024 bytes or more fail.
inline constexpr int kMaxSplitPathLength = 3075;
inline constexpr int kMaxPathPartLength = 1024;
inline constexpr int kMaxExtensionLength = 1023;

// The four parts of a path. drive is "" or a letter and ":"; dir keeps its
// separators (a split one ends in "\" when not empty); ext starts with "." when
// not empty.
struct PathParts {
  std::string drive;  // at most 2 bytes
  std::string dir;    // at most 1,024 bytes
  std::string name;   // at most 1,024 bytes
  std::string ext;    // at most 1,023 bytes
};

inline bool operator==(const PathParts& a, const PathParts& b) {
  return a.drive == b.drive && a.dir == b.dir && a.name == b.name && a.ext == b.ext;
}

// Splits a path. The extension starts at the last "." after the last "\"; the
// name starts after the last ":" or "\" before it; the directory starts after the
// last ":" before the name; what precedes the directory must be nothing or a
// letter and ":". Double-byte characters are skipped as units, so a trail byte
// 0x5C is never a separator. Returns 0, or -1 for paths of 3,075 bytes or more,
// paths with a single-byte '"', '/', '<', '>' or '|', a lead byte at the very
// end, overlong parts or a malformed drive (parts may then be partly filled and
// must not be used).
int SplitPath(const char* path, PathParts* parts);

// Builds a path from four parts: the drive ("X" or "X:", written "X:"), the
// directory (a "\" appended unless it already ends in a single-byte "\"), the
// name, and the extension (a "." inserted unless it starts with one). Returns 0,
// or -1 with *out emptied for a malformed drive, a directory, name or extension
// ending in a lead byte, or a result longer than 3,074 bytes.
int JoinPath(std::string* out, const PathParts& parts);

// The full path of input with the root normalised (drive letter upper-cased; for
// "\\server\" paths the server part kept as typed) and each existing component
// spelled as the file system reports it (case, long form). Components that cannot
// be found, or that hold "*" or "?", keep the typed form. Falls back to the input
// when the full path cannot be had or is longer than 3,074 bytes.
std::string CanonicalPath(const char* input);

// True when a find-first on the path finds anything.
bool FileExists(const char* path);
