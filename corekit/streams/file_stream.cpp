#include "corekit/streams/file_stream.h"

#include "corekit/platform/file_handle.h"
#include "corekit/streams/system_error.h"

namespace platform = corekit::platform;

namespace {

bool Invalid(HANDLE handle) { return handle == INVALID_HANDLE_VALUE; }

}  // namespace

TFileStream::TFileStream(const KString& name, DWORD disposition, DWORD access, DWORD shareMode) {
  DWORD error = 0;
  m_handle = platform::OpenFileHandle(name, access, shareMode, disposition, error);
  if (Invalid(m_handle)) m_openStatus = StreamErrorFromSystem(error);
}

TFileStream::TFileStream(HANDLE handle) { Duplicate(handle); }

// A copy of a failed stream fails the same way.
TFileStream::TFileStream(const TFileStream& other) : TAbstractStream(other) {
  Duplicate(other.m_handle);
  if (Invalid(other.m_handle)) m_openStatus = other.m_openStatus;
}

void TFileStream::Duplicate(HANDLE handle) {
  DWORD error = 0;
  m_handle = platform::DuplicateFileHandle(handle, error);
  if (Invalid(m_handle)) m_openStatus = StreamErrorFromSystem(error);
}

TFileStream::~TFileStream() { platform::CloseFileHandle(m_handle); }

LONG TFileStream::Write(const unsigned char* data, LONG count, bool) {
  if (Invalid(m_handle)) return m_openStatus;
  DWORD written = 0, error = 0;
  if (count < 0) count = 0;  // never read past the caller's bytes
  if (!platform::WriteFileHandle(m_handle, data, static_cast<DWORD>(count), written, error)) {
    return StreamErrorFromSystem(error);
  }
  return written < static_cast<DWORD>(count) ? E_STREAM_SHORTWRITE : 0;
}

LONG TFileStream::Read(unsigned char* data, LONG count, LONG* done) {
  if (Invalid(m_handle)) return m_openStatus;
  DWORD read = 0, error = 0;
  if (count < 0) count = 0;  // never write past the caller's buffer
  const bool succeeded =
      platform::ReadFileHandle(m_handle, data, static_cast<DWORD>(count), read, error);
  *done = static_cast<LONG>(read);
  if (!succeeded) return StreamErrorFromSystem(error);
  return read < static_cast<DWORD>(count) ? S_STREAM_END : 0;
}

LONG TFileStream::Seek(LONG offset, int origin) {
  if (Invalid(m_handle)) return m_openStatus;
  const DWORD method = origin == 0 ? 0 : origin == 2 ? 2 : 1;
  DWORD error = 0;
  if (platform::SetFileHandlePosition(m_handle, offset, method, error) == 0xFFFFFFFF &&
      error != 0) {
    return StreamErrorFromSystem(error);
  }
  return 0;
}

// Not guarded: a failed stream answers -1 from the system call on its invalid handle.
LONG TFileStream::GetPosition() {
  DWORD error = 0;
  return static_cast<LONG>(platform::SetFileHandlePosition(m_handle, 0, 1, error));
}
