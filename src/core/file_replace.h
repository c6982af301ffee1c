// The file-system steps of saving safely: the new bytes go to a temporary file
// beside the target, which then takes the target's place in one step.
// file_replace_win.cpp does it with the Windows API (the old file can go to the
// recycle bin); file_replace_posix.cpp with rename(2) and no recycle bin.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// What is at a path before it is written.
struct TargetInfo {
  bool exists = false;
  uint32_t attributes = 0;  // Windows file attributes, or the POSIX mode bits
};

enum class TargetState {
  Missing,      // nothing there yet
  Writable,     // an existing file that may be replaced
  NotWritable,  // read-only, a folder, in use, or not reachable
};

// Looks at the target. info receives whether it exists and the attributes to
// give the file that replaces it.
TargetState ProbeTarget(const char* path, TargetInfo* info);

// The folder part of a path, Shift-JIS aware, with its trailing separator
// ("C:\dir\", "dir/", "C:"), or "" for a bare name.
std::string FolderOf(const char* path);

// Creates a new, empty, uniquely named file in the folder of target and opens it
// for binary writing. *tempPath receives its name. Returns null (nothing left
// behind) when the folder is missing or not writable.
FILE* CreateTempBeside(const char* target, std::string* tempPath);

// Flushes the stream and has the system write its bytes to the disk.
bool FlushToDisk(FILE* file);

// Moves the file at path (a full path) to the recycle bin without asking.
// owner is the window for any dialog the shell shows (HWND, may be null).
// Returns true when the file is gone from path. Natively there is no recycle
// bin: nothing happens and false is returned.
bool MoveToRecycleBin(const char* path, void* owner);

// Puts the file temp in the place of target in one step, replacing target when
// it exists, and gives it info's attributes when target existed. Returns false
// when temp could not be moved (target is then as it was, or gone to the
// recycle bin before).
bool ReplaceWithTemp(const char* temp, const char* target, const TargetInfo& info);

// Deletes a file; false when it could not be deleted.
bool RemoveFile(const char* path);
