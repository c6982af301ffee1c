// The file-system steps of saving safely: the new bytes go to a temporary file
// beside the target, which then takes the target's place in one step; where that
// would change what the old file was (its permissions, its other names), the
// bytes are copied into the old file itself, with the temporary file kept as a
// complete copy until they are all there. file_replace_win.cpp does it with the
// Windows API (long paths included, the old file can go to the recycle bin);
// file_replace_posix.cpp with POSIX calls and no recycle bin.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// What is at a path before it is written.
struct TargetInfo {
  bool exists = false;
  std::string realPath;     // where the bytes go: a symbolic link's final target, else the path
  uint32_t links = 1;       // names the existing file has: more than one are hard links
  uint32_t attributes = 0;  // Windows file attributes, or the POSIX mode bits
};

enum class TargetState {
  Missing,      // nothing there yet
  Writable,     // an existing file that may be replaced
  NotWritable,  // read-only, a folder, in use, or not reachable
};

// Looks at the target and fills info (realPath is set in every state).
TargetState ProbeTarget(const char* path, TargetInfo* info);

// The folder part of a path, Shift-JIS aware, with its trailing separator
// ("C:\dir\", "dir/", "C:"), or "" for a bare name.
std::string FolderOf(const char* path);

enum class TempOutcome {
  Made,      // *file is open for binary writing, *tempPath names it
  NoFolder,  // the folder is missing or not a folder
  NoAccess,  // the folder does not let a new file be made
  NoRoom,    // the folder's disk has less than size bytes free
};

// Creates a new, empty, uniquely named file in the folder of target.realPath to
// hold size bytes. Nothing is left behind unless the result is Made.
TempOutcome CreateTempBeside(const TargetInfo& target, int64_t size, FILE** file, std::string* tempPath);

// True when the new file at temp lets exactly the same people do exactly the same
// as the existing target (owner, group, permissions, as far as the system tells),
// so that it may take the target's place. Natively the temp first gets the
// target's mode and owner where it can.
bool CarriesTargetAccess(const char* temp, const TargetInfo& target);

// Flushes the stream and has the system write its bytes to the disk.
bool FlushToDisk(FILE* file);

// Moves the file at path (a full path) to the recycle bin without asking.
// owner is the window for any dialog the shell shows (HWND, may be null).
// Returns true when the file is gone from path. Natively there is no recycle
// bin: nothing happens and false is returned.
bool MoveToRecycleBin(const char* path, void* owner);

// Puts the file temp in the place of target.realPath in one step, replacing it
// when it exists, and gives it target's attributes when it existed. Returns false
// when temp could not be moved (the target is then as it was, or gone to the
// recycle bin before).
bool ReplaceWithTemp(const char* temp, const TargetInfo& target);

// Opens the existing file at path for writing from its start without cutting it
// (its name, other names and permissions stay). Null when it cannot be opened.
FILE* OpenForOverwrite(const char* path);

// Cuts the file at length bytes, flushes it to the disk and closes it. False when
// one of the steps failed (the stream is closed anyway).
bool CutFlushAndClose(FILE* file, int64_t length);

// Deletes a file; false when it could not be deleted.
bool RemoveFile(const char* path);

// Opens a file by its ANSI path for reading ("rb"), paths of MAX_PATH characters
// or more included. Null when it cannot be opened.
FILE* OpenForReading(const char* path);
