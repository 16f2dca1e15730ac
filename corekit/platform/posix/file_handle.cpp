#include "corekit/platform/file_handle.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>

namespace corekit::platform {
namespace {

constexpr DWORD GenericRead = 0x80000000;
constexpr DWORD GenericWrite = 0x40000000;
enum Disposition : DWORD {
  CreateNew = 1,
  CreateAlways = 2,
  OpenExisting = 3,
  OpenAlways = 4,
  TruncateExisting = 5
};

// Handles are file descriptors; INVALID_HANDLE_VALUE (all bits set) is descriptor -1.
int Descriptor(HANDLE handle) { return static_cast<int>(reinterpret_cast<std::intptr_t>(handle)); }
HANDLE HandleOf(int descriptor) {
  return reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(descriptor));
}

}  // namespace

// The share mode has no POSIX counterpart: files are always shared.
HANDLE OpenFileHandle(const char* name, DWORD access, DWORD, DWORD disposition, DWORD& error) {
  int flags = O_CLOEXEC;
  const bool reads = (access & GenericRead) != 0, writes = (access & GenericWrite) != 0;
  flags |= reads && writes ? O_RDWR : writes ? O_WRONLY : O_RDONLY;
  switch (disposition) {
    case CreateNew:
      flags |= O_CREAT | O_EXCL;
      break;
    case CreateAlways:
      flags |= O_CREAT | O_TRUNC;
      break;
    case OpenExisting:
      break;
    case OpenAlways:
      flags |= O_CREAT;
      break;
    case TruncateExisting:
      flags |= O_TRUNC;
      break;
    default:
      error = EINVAL;
      return INVALID_HANDLE_VALUE;
  }
  const int descriptor = open(name, flags, 0666);
  error = descriptor < 0 ? static_cast<DWORD>(errno) : 0;
  return HandleOf(descriptor);
}

HANDLE DuplicateFileHandle(HANDLE handle, DWORD& error) {
  const int descriptor = fcntl(Descriptor(handle), F_DUPFD_CLOEXEC, 0);
  error = descriptor < 0 ? static_cast<DWORD>(errno) : 0;
  return HandleOf(descriptor);
}

void CloseFileHandle(HANDLE handle) { close(Descriptor(handle)); }

bool WriteFileHandle(HANDLE handle, const void* data, DWORD count, DWORD& done, DWORD& error) {
  done = 0;
  ssize_t written;
  do {
    written = write(Descriptor(handle), data, count);
  } while (written < 0 && errno == EINTR);
  error = written < 0 ? static_cast<DWORD>(errno) : 0;
  if (written > 0) done = static_cast<DWORD>(written);
  return written >= 0;
}

bool ReadFileHandle(HANDLE handle, void* data, DWORD count, DWORD& done, DWORD& error) {
  done = 0;
  // A read goes on until the count is met or the end is reached, as a read of a file does on
  // Windows; a descriptor may deliver less per call.
  while (done < count) {
    const ssize_t read = ::read(Descriptor(handle), static_cast<char*>(data) + done, count - done);
    if (read < 0 && errno == EINTR) continue;
    if (read < 0) {
      error = static_cast<DWORD>(errno);
      return false;
    }
    if (read == 0) break;
    done += static_cast<DWORD>(read);
  }
  error = 0;
  return true;
}

DWORD SetFileHandlePosition(HANDLE handle, LONG offset, DWORD method, DWORD& error) {
  const int whence = method == 0 ? SEEK_SET : method == 2 ? SEEK_END : SEEK_CUR;
  // Without a high part the new position must fit 32 bits: a move beyond fails and keeps the
  // position. A base that cannot be found leaves the failure to lseek.
  if (whence != SEEK_SET) {
    struct stat status {};
    const off_t base = whence == SEEK_CUR ? lseek(Descriptor(handle), 0, SEEK_CUR)
                       : fstat(Descriptor(handle), &status) == 0 ? status.st_size
                                                                 : -1;
    if (base >= 0 && base + offset > off_t{0xFFFFFFFF}) {
      error = EINVAL;
      return 0xFFFFFFFF;
    }
  }
  const off_t position = lseek(Descriptor(handle), offset, whence);
  if (position < 0) {
    error = static_cast<DWORD>(errno);
    return 0xFFFFFFFF;
  }
  error = 0;
  return static_cast<DWORD>(position);
}

}  // namespace corekit::platform
