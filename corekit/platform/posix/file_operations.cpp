#include "corekit/platform/file_operations.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "corekit/platform/posix/native_path.h"

namespace corekit::platform {
namespace {

// Writes all of the bytes, going on after interruptions and partial writes.
bool WriteAll(int file, const char* bytes, ssize_t count) {
  while (count > 0) {
    const ssize_t written = write(file, bytes, static_cast<std::size_t>(count));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes += written;
    count -= written;
  }
  return true;
}

bool CopyBytes(int source, int target) {
  char block[65536];
  for (;;) {
    const ssize_t count = read(source, block, sizeof block);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return false;
    if (count == 0) return true;
    if (!WriteAll(target, block, count)) return false;
  }
}

// Copies a regular file between native paths: contents, permissions, access and write times. A
// target that the copy opened is removed again when the copy fails.
bool CopyNative(const std::string& from, const std::string& to, bool failIfExists) {
  const int source = open(from.c_str(), O_RDONLY | O_CLOEXEC);
  if (source < 0) return false;
  struct stat status {};
  struct stat existing {};
  // Only files are copied, and never onto themselves (truncating the target would empty them).
  if (fstat(source, &status) != 0 || !S_ISREG(status.st_mode) ||
      (stat(to.c_str(), &existing) == 0 && existing.st_dev == status.st_dev &&
       existing.st_ino == status.st_ino)) {
    close(source);
    return false;
  }
  const int mode = O_WRONLY | O_CREAT | O_CLOEXEC | (failIfExists ? O_EXCL : O_TRUNC);
  const int target = open(to.c_str(), mode, status.st_mode & 07777);
  if (target < 0) {
    close(source);
    return false;
  }
  const timespec times[2] = {status.st_atim, status.st_mtim};
  bool copied = CopyBytes(source, target) && fchmod(target, status.st_mode & 07777) == 0 &&
                futimens(target, times) == 0;
  copied = close(target) == 0 && copied;
  close(source);
  if (!copied) unlink(to.c_str());
  return copied;
}

}  // namespace

bool FileExists(const char* path) {
  struct stat status {};
  return *path != '\0' && stat(NativePath(path).c_str(), &status) == 0 && !S_ISDIR(status.st_mode);
}

bool RemoveFile(const char* path) {
  const std::string file = NativePath(path);
  struct stat status {};
  // unlink may remove a folder on some systems; Windows never does.
  return lstat(file.c_str(), &status) == 0 && !S_ISDIR(status.st_mode) && unlink(file.c_str()) == 0;
}

bool RemoveFolder(const char* path) { return rmdir(NativePath(path).c_str()) == 0; }

bool MoveFileOrFolder(const char* from, const char* to, DWORD flags) {
  const std::string source = NativePath(from);
  const std::string target = NativePath(to);
  // rename replaces its target silently; Windows replaces only a file, and only when asked.
  struct stat existing {};
  if (lstat(target.c_str(), &existing) == 0 &&
      ((flags & MOVEFILE_REPLACE_EXISTING) == 0 || S_ISDIR(existing.st_mode))) {
    return false;
  }
  if (std::rename(source.c_str(), target.c_str()) == 0) return true;
  if (errno != EXDEV || (flags & MOVEFILE_COPY_ALLOWED) == 0) return false;
  // Another volume: copy, then delete the source.
  if (!CopyNative(source, target, false)) return false;
  return unlink(source.c_str()) == 0;
}

bool CopyOneFile(const char* from, const char* to, bool failIfExists) {
  return CopyNative(NativePath(from), NativePath(to), failIfExists);
}

BOOL MakeFolder(const char* path) { return mkdir(NativePath(path).c_str(), 0777) == 0; }

BOOL ChangeCurrentFolder(const char* path) { return chdir(NativePath(path).c_str()) == 0; }

}  // namespace corekit::platform
