// Paths: Shift-JIS-aware splitting and joining, canonical form, existence.
#pragma once

#include <string>

// The four parts of a path. drive is "" or "X:"; dir keeps its separators;
// ext starts with "." when not empty.
struct PathParts {
  std::string drive;  // at most 2 bytes
  std::string dir;    // at most 1,024 bytes
  std::string name;   // at most 1,024 bytes
  std::string ext;    // at most 1,023 bytes
};

// Splits a path. Returns 0, or -1 for paths of 3,075 bytes or more, paths with a
// single-byte '"', '/', '<', '>' or '|', a lead byte at the very end, overlong
// parts or a malformed drive (parts may then be partly filled).
int SplitPath(const char* path, PathParts* parts);

// Builds a path from four parts. Returns 0, or -1 with *out emptied for a
// malformed drive or a part ending in a lead byte.
int JoinPath(std::string* out, const PathParts& parts);

// The full path with each existing component as the file system spells it.
// Falls back to the input when the full path cannot be had.
std::string CanonicalPath(const char* input);

// True when a find-first on the path finds anything.
bool FileExists(const char* path);
