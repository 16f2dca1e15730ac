#include "corekit/streams/file_stream.h"

#include <gtest/gtest.h>

#include <string>

#include "corekit/platform/file_handle.h"
#include "corekit/streams/system_error.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/text_bytes.h"

#if !defined(_WIN32)
#include <signal.h>
#include <sys/resource.h>

#include <cerrno>
#endif

namespace {

// CreateFileA's values, the same on both platforms.
constexpr DWORD CreateNew = 1, CreateAlways = 2, OpenExisting = 3, OpenAlways = 4,
                TruncateExisting = 5;
constexpr DWORD ReadAccess = 0x80000000, WriteAccess = 0x40000000, ShareAll = 3;

// A new, empty file open for reading and writing.
TFileStream Create(const std::string& path) {
  return TFileStream(path.c_str(), CreateAlways, ReadAccess | WriteAccess, ShareAll);
}

TEST(StreamResults, SystemErrorsBecomeHresults) {
  const struct {
    DWORD error;
    LONG result;
  } cases[] = {
      {0, 0},
      {0x12345, static_cast<LONG>(0x80072345)},
      {0x80070005, static_cast<LONG>(0x80070005)},  // already an HRESULT: negative, kept
      {0xFFFFFFFF, -1},
  };
  for (const auto& c : cases) EXPECT_EQ(StreamErrorFromSystem(c.error), c.result) << c.error;
  EXPECT_EQ(S_STREAM_END, 0x00040101);
  EXPECT_EQ(E_STREAM_SHORTWRITE, static_cast<LONG>(0x80040101));
}

TEST(FileStream, WritesReadsAndSeeks) {
  const ScratchFolder folder;
  const std::string path = folder.Entry("data.bin");
  {
    TFileStream stream = Create(path);
    ASSERT_EQ(stream.OpenStatus(), 0);
    EXPECT_EQ(stream.Write(Bytes("0123456789"), 10, false), 0);
    EXPECT_EQ(stream.Write(Bytes("abc"), -1, false), 0);  // negative counts move no bytes
    EXPECT_EQ(stream.GetPosition(), 10);
    const struct {
      LONG offset;
      int origin;
      LONG position;
    } seeks[] = {{2, 0, 2}, {3, 1, 5}, {-4, 2, 6}, {1, 9, 7}, {-1, 3, 6}};
    for (const auto& s : seeks) {
      EXPECT_EQ(stream.Seek(s.offset, s.origin), 0);
      EXPECT_EQ(stream.GetPosition(), s.position) << s.offset << " from " << s.origin;
    }
#if !defined(_WIN32)
    // Positions are 32 bits: a move beyond fails and keeps the position. (Windows refuses it too;
    // Wine moves there and reports the low 32 bits.)
    stream.Seek(0x7FFFFFFF, 0);
    stream.Seek(0x7FFFFFFF, 1);
    EXPECT_LT(stream.Seek(2, 1), 0);
    EXPECT_EQ(static_cast<DWORD>(stream.GetPosition()), 0xFFFFFFFEu);
#endif
    unsigned char data[10] = {};
    LONG done = -1;
    stream.Seek(-4, 2);
    EXPECT_EQ(stream.Read(data, 10, &done), S_STREAM_END);
    EXPECT_EQ(done, 4);
    EXPECT_EQ(std::string(data, data + 4), "6789");
    stream.Seek(0, 0);
    EXPECT_EQ(stream.Read(data, 3, &done), 0);
    EXPECT_EQ(done, 3);
    data[0] = 0xEE;
    EXPECT_EQ(stream.Read(data, -1, &done), 0);
    EXPECT_EQ(done, 0);
    EXPECT_EQ(data[0], 0xEE);
  }
  EXPECT_EQ(folder.Read("data.bin"), "0123456789");
  // Opened again, the file is kept or emptied.
  EXPECT_EQ(TFileStream(path.c_str(), OpenAlways, WriteAccess, ShareAll).OpenStatus(), 0);
  EXPECT_EQ(folder.Read("data.bin"), "0123456789");
  EXPECT_EQ(TFileStream(path.c_str(), TruncateExisting, WriteAccess, ShareAll).OpenStatus(), 0);
  EXPECT_EQ(folder.Read("data.bin"), "");
}

TEST(FileStream, CopiesShareThePosition) {
  const ScratchFolder folder;
  const std::string path = folder.Entry("shared.bin");
  TFileStream first = Create(path);
  TFileStream second(first);
  first.Write(Bytes("abc"), 3, false);
  EXPECT_EQ(second.GetPosition(), 3);
  second.Write(Bytes("de"), 2, false);
  EXPECT_EQ(first.GetPosition(), 5);
  // A stream on a duplicate of a handle: the caller keeps its own.
  DWORD error = 0;
  const HANDLE handle =
      corekit::platform::OpenFileHandle(path.c_str(), ReadAccess, ShareAll, OpenExisting, error);
  ASSERT_NE(handle, INVALID_HANDLE_VALUE);
  {
    TFileStream third(handle);
    unsigned char data[5] = {};
    LONG done = 0;
    EXPECT_EQ(third.Read(data, 5, &done), 0);
    EXPECT_EQ(std::string(data, data + 5), "abcde");
  }
  EXPECT_EQ(corekit::platform::SetFileHandlePosition(handle, 0, 1, error), 5u);  // still open
  corekit::platform::CloseFileHandle(handle);
}

// The system's codes of the failures below: Windows error codes, errno values on POSIX.
#if defined(_WIN32)
constexpr DWORD PathNotFound = 3, AccessDenied = 5, InvalidHandle = 6, FileExists = 80,
                NegativeSeek = 131;
#else
constexpr DWORD PathNotFound = ENOENT, AccessDenied = EBADF, InvalidHandle = EBADF,
                FileExists = EEXIST, NegativeSeek = EINVAL;
#endif

TEST(FileStream, FailedCallsGiveTheSystemsCode) {
  const ScratchFolder folder;
  folder.Write("read.bin", "content");
  const std::string path = folder.Entry("read.bin");
  TFileStream missing(folder.Entry("missing/none.bin").c_str(), OpenExisting, ReadAccess, ShareAll);
  TFileStream existing(path.c_str(), CreateNew, ReadAccess, ShareAll);
  TFileStream invalid(INVALID_HANDLE_VALUE);
  TFileStream readOnly(path.c_str(), OpenExisting, ReadAccess, ShareAll);
  TFileStream writeOnly(path.c_str(), OpenExisting, WriteAccess, ShareAll);
  unsigned char data[4] = {};
  LONG done = 0;
  const std::pair<LONG, DWORD> cases[] = {{missing.OpenStatus(), PathNotFound},
                                          {existing.OpenStatus(), FileExists},
                                          {invalid.OpenStatus(), InvalidHandle},
                                          {TFileStream(missing).OpenStatus(), PathNotFound},
                                          {readOnly.Write(data, 1, false), AccessDenied},
                                          {writeOnly.Read(data, 4, &done), AccessDenied},
                                          {readOnly.Seek(-1, 0), NegativeSeek}};
  for (const auto& [result, error] : cases) EXPECT_EQ(result, StreamErrorFromSystem(error));
  EXPECT_EQ(folder.Read("read.bin"), "content");
  // A stream whose open failed answers with its status, and -1 for its position.
  EXPECT_EQ(missing.Write(data, 4, false), missing.OpenStatus());
  EXPECT_EQ(missing.Read(data, 4, &done), missing.OpenStatus());
  EXPECT_EQ(missing.Seek(0, 0), missing.OpenStatus());
  EXPECT_EQ(missing.GetPosition(), -1);
}

#if !defined(_WIN32)
// A file size limit makes the system write part of the bytes: a short write.
TEST(FileStream, ShortWritesAreReported) {
  const ScratchFolder folder;
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  const auto previous = signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 6;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  LONG first = 0, second = 0;
  {
    TFileStream stream(folder.Entry("limited.bin").c_str(), CreateAlways, WriteAccess, ShareAll);
    first = stream.Write(Bytes("0123456789"), 10, false);
    second = stream.Write(Bytes("x"), 1, false);
  }
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, previous);
  EXPECT_EQ(first, E_STREAM_SHORTWRITE);
  EXPECT_EQ(second, StreamErrorFromSystem(EFBIG));
  EXPECT_EQ(folder.Read("limited.bin"), "012345");
}
#endif

}  // namespace
