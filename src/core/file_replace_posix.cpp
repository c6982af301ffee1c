// File replacement on POSIX systems: mkstemp beside the target, fsync, rename(2).
// There is no recycle bin here.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "core/file_replace.h"

TargetState ProbeTarget(const char* path, TargetInfo* info) {
  *info = TargetInfo{};
  struct stat st;
  if (stat(path, &st) != 0) {
    return errno == ENOENT ? TargetState::Missing : TargetState::NotWritable;
  }
  info->exists = true;
  info->attributes = static_cast<uint32_t>(st.st_mode & 07777);
  // A file nobody may write counts as read-only, even for a user who could override it.
  if (S_ISDIR(st.st_mode) || (st.st_mode & 0222) == 0 || access(path, W_OK) != 0) return TargetState::NotWritable;
  return TargetState::Writable;
}

FILE* CreateTempBeside(const char* target, std::string* tempPath) {
  std::string folder = FolderOf(target);
  std::string pattern = folder + ".varnel-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  int fd = mkstemp(name.data());
  if (fd < 0) return nullptr;
  // mkstemp gives 0600; a new file gets the usual mode less the umask.
  mode_t mask = umask(0);
  umask(mask);
  fchmod(fd, 0666 & ~mask);
  FILE* file = fdopen(fd, "wb");
  if (!file) {
    close(fd);
    unlink(name.data());
    return nullptr;
  }
  *tempPath = name.data();
  return file;
}

bool FlushToDisk(FILE* file) { return std::fflush(file) == 0 && fsync(fileno(file)) == 0; }

bool MoveToRecycleBin(const char*, void*) { return false; }

bool ReplaceWithTemp(const char* temp, const char* target, const TargetInfo& info) {
  if (info.exists) chmod(temp, static_cast<mode_t>(info.attributes));
  return rename(temp, target) == 0;
}

bool RemoveFile(const char* path) { return unlink(path) == 0; }
