// File replacement on POSIX systems: mkstemp beside the target, fsync, rename(2).
// There is no recycle bin here.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <vector>

#include "core/file_replace.h"

TargetState ProbeTarget(const char* path, TargetInfo* info) {
  *info = TargetInfo{};
  info->realPath = path;
  struct stat st;
  if (stat(path, &st) != 0) {
    return errno == ENOENT ? TargetState::Missing : TargetState::NotWritable;
  }
  info->exists = true;
  info->attributes = static_cast<uint32_t>(st.st_mode & 07777);
  info->links = static_cast<uint32_t>(st.st_nlink);
  // Through a symbolic link the bytes go to the file it names.
  if (char* real = realpath(path, nullptr)) {
    info->realPath = real;
    std::free(real);
  }
  // A file nobody may write counts as read-only, even for a user who could override it.
  if (S_ISDIR(st.st_mode) || (st.st_mode & 0222) == 0 || access(path, W_OK) != 0) return TargetState::NotWritable;
  return TargetState::Writable;
}

TempOutcome CreateTempBeside(const TargetInfo& target, int64_t size, FILE** file, std::string* tempPath) {
  std::string folder = FolderOf(target.realPath.c_str());
  struct stat st;
  if (stat(folder.empty() ? "." : folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return TempOutcome::NoFolder;
  struct statvfs disk;
  if (statvfs(folder.empty() ? "." : folder.c_str(), &disk) == 0 &&
      static_cast<uint64_t>(disk.f_bavail) * disk.f_frsize < static_cast<uint64_t>(size)) {
    return TempOutcome::NoRoom;
  }
  std::string pattern = folder + ".varnel-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  int fd = mkstemp(name.data());
  if (fd < 0) return errno == ENOSPC ? TempOutcome::NoRoom : TempOutcome::NoAccess;
  // mkstemp gives 0600; a new file gets the usual mode less the umask.
  mode_t mask = umask(0);
  umask(mask);
  fchmod(fd, 0666 & ~mask);
  FILE* stream = fdopen(fd, "wb");
  if (!stream) {
    close(fd);
    unlink(name.data());
    return TempOutcome::NoAccess;
  }
  *file = stream;
  *tempPath = name.data();
  return TempOutcome::Made;
}

bool CarriesTargetAccess(const char* temp, const TargetInfo& target) {
  struct stat want, have;
  if (stat(target.realPath.c_str(), &want) != 0) return false;
  chmod(temp, want.st_mode & 07777);
  // Giving a file away takes root; where that is refused the comparison tells.
  if (chown(temp, want.st_uid, want.st_gid) != 0) errno = 0;
  if (stat(temp, &have) != 0) return false;
  return (have.st_mode & 07777) == (want.st_mode & 07777) && have.st_uid == want.st_uid && have.st_gid == want.st_gid;
}

bool FlushToDisk(FILE* file) { return std::fflush(file) == 0 && fsync(fileno(file)) == 0; }

bool MoveToRecycleBin(const char*, void*) { return false; }

bool ReplaceWithTemp(const char* temp, const TargetInfo& target) {
  if (target.exists) chmod(temp, static_cast<mode_t>(target.attributes));
  return rename(temp, target.realPath.c_str()) == 0;
}

FILE* OpenForOverwrite(const char* path) { return std::fopen(path, "r+b"); }

bool CutFlushAndClose(FILE* file, int64_t length) {
  bool ok = std::fflush(file) == 0 && ftruncate(fileno(file), static_cast<off_t>(length)) == 0 &&
            fsync(fileno(file)) == 0;
  return std::fclose(file) == 0 && ok;
}

bool RemoveFile(const char* path) { return unlink(path) == 0; }

FILE* OpenForReading(const char* path) { return std::fopen(path, "rb"); }
