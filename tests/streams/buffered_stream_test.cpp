#include "corekit/streams/buffered_stream.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "corekit/streams/memory_stream.h"

namespace {

// A memory stream that logs what reaches it ("W4f" a write of 4 bytes with flush, "S-2,1" a seek)
// and can be told to fail its next write, read or seek ('W', 'R', 'S') with a code of its own.
class RecordingStream : public TMemoryStream {
public:
  RecordingStream(std::vector<std::string>& log, bool* destroyed = nullptr)
      : TMemoryStream(16), m_log(log), m_destroyed(destroyed) {}
  ~RecordingStream() override {
    if (m_destroyed) *m_destroyed = true;
  }
  LONG Write(const unsigned char* data, LONG count, bool flush) override {
    m_log.push_back("W" + std::to_string(count) + (flush ? "f" : ""));
    return Fails('W') ? FailureOf('W') : TMemoryStream::Write(data, count, flush);
  }
  LONG Read(unsigned char* data, LONG count, LONG* done) override {
    m_log.push_back("R" + std::to_string(count));
    return Fails('R') ? FailureOf('R') : TMemoryStream::Read(data, count, done);
  }
  LONG Seek(LONG offset, int origin) override {
    m_log.push_back("S" + std::to_string(offset) + "," + std::to_string(origin));
    return Fails('S') ? FailureOf('S') : TMemoryStream::Seek(offset, origin);
  }
  static LONG FailureOf(char call) { return static_cast<LONG>(0x80070000u | unsigned(call)); }
  char failNext = 0;

private:
  bool Fails(char call) {
    if (failNext != call) return false;
    failNext = 0;
    return true;
  }
  std::vector<std::string>& m_log;
  bool* m_destroyed;
};

using Log = std::vector<std::string>;
const unsigned char Bytes[] = {'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h'};

LONG ReadTwo(TAbstractStream& stream) {
  unsigned char data[2];
  LONG done = 0;
  return stream.Read(data, 2, &done);
}

TEST(BufferedStream, WithoutABufferPassesStraightThrough) {
  for (const LONG size : {0, -8}) {
    Log log;
    RecordingStream inner(log);
    {
      TBufferedStream stream(&inner, false, size);
      EXPECT_EQ(stream.Write(Bytes, 3, false), 0);
      EXPECT_EQ(stream.Write(Bytes, -2, true), 0);
      EXPECT_EQ(stream.Seek(0, 0), 0);
      unsigned char data[8] = {};
      LONG done = -1;
      EXPECT_EQ(stream.Read(data, 8, &done), S_STREAM_END);
      EXPECT_EQ(done, 3);
      EXPECT_EQ(stream.Read(data, -1, &done), 0);
      EXPECT_EQ(done, 0);
    }
    EXPECT_EQ(log, (Log{"W3f", "S0,0", "R8"})) << size;
  }
}

TEST(BufferedStream, PassesOnWholeBuffersAndEverythingAtAFlush) {
  Log log;
  RecordingStream inner(log);
  {
    TBufferedStream stream(&inner, false, 4);
    EXPECT_EQ(stream.Write(Bytes, 3, false), 0);
    EXPECT_EQ(log, Log{});
    EXPECT_EQ(stream.Write(Bytes + 3, 2, false), 0);
    EXPECT_EQ(log, Log{"W4f"});
    EXPECT_EQ(stream.Write(nullptr, 0, true), 0);
    EXPECT_EQ(log, (Log{"W4f", "W1f"}));
    EXPECT_EQ(stream.Write(Bytes, 8, true), 0);  // two whole buffers, nothing left for the flush
    EXPECT_EQ(log, (Log{"W4f", "W1f", "W4f", "W4f"}));
    EXPECT_EQ(stream.Write(Bytes, 2, false), 0);
    EXPECT_EQ(stream.GetPosition(), 0);  // not counted by the buffer
  }
  EXPECT_EQ(log.back(), "W2f");  // the destructor passes on what was pending
  EXPECT_EQ(inner.GetSize(), 15);
}

TEST(BufferedStream, ReadsThroughTheBufferUntilTheEnd) {
  Log log;
  RecordingStream inner(log);
  inner.Write(Bytes, 5, false);
  inner.Seek(0, 0);
  log.clear();
  {
    TBufferedStream stream(&inner, false, 4);
    unsigned char data[8] = {};
    LONG done = -1;
    EXPECT_EQ(stream.Read(data, 6, &done), S_STREAM_END);
    EXPECT_EQ(done, 5);
    EXPECT_EQ(std::string(data, data + 5), "abcde");
    EXPECT_EQ(log, (Log{"R4", "R4"}));
    stream.Seek(1, 0);
    stream.Read(data, 2, &done);  // leaves 2 bytes read ahead
    log.clear();
  }
  EXPECT_EQ(log, Log{}) << "bytes read are never written back";
}

TEST(BufferedStream, SeeksCountFromTheCallersPositionAfterReading) {
  Log log;
  RecordingStream inner(log);
  inner.Write(Bytes, 8, false);
  inner.Seek(0, 0);
  TBufferedStream stream(&inner, false, 4);
  unsigned char data[4] = {};
  LONG done = 0;
  stream.Read(data, 1, &done);  // the buffer holds a to d; the caller is at 1
  EXPECT_EQ(stream.Seek(2, 1), 0);
  stream.Read(data, 1, &done);
  EXPECT_EQ(data[0], 'd');
  // An offset that does not fit a LONG together with the bytes read ahead still moves the inner
  // stream by exactly that much in all.
  stream.Seek(0, 0);
  stream.Read(data, 1, &done);  // the caller is at 1, the inner stream at 4
  log.clear();
  EXPECT_EQ(stream.Seek(-0x7FFFFFFF, 1), 0);
  long long moved = 0;
  for (const std::string& seek : log) {
    ASSERT_EQ(seek.substr(seek.find(',')), ",1") << seek;
    moved += std::stoll(seek.substr(1));
  }
  EXPECT_EQ(moved, -0x7FFFFFFFLL - 3);
}

// A failed call of the inner stream ends the buffered call with its code: a write of a whole
// buffer (whose bytes are gone then), a read with and without a buffer, the first of two seeks, the
// write of pending bytes before a read, a direct write. An owned inner stream ends with the buffer.
TEST(BufferedStream, InnerFailuresEndTheCallWithTheirCode) {
  Log log;
  bool destroyed = false;
  auto* inner = new RecordingStream(log, &destroyed);
  {
    TBufferedStream stream(inner, true, 4), direct(inner, false, 0);
    const LONG read = RecordingStream::FailureOf('R'), written = RecordingStream::FailureOf('W');
    inner->failNext = 'W';
    EXPECT_EQ(stream.Write(Bytes, 6, false), written);
    EXPECT_EQ(stream.Write(nullptr, 0, true), 0);
    EXPECT_EQ(log, Log{"W4f"});
    inner->Write(Bytes, 8, false);
    stream.Seek(0, 0);
    inner->failNext = 'R';
    EXPECT_EQ(ReadTwo(stream), read);
    EXPECT_EQ(ReadTwo(stream), 0);  // leaves 2 bytes read ahead
    inner->failNext = 'S';
    EXPECT_EQ(stream.Seek(-0x7FFFFFFF, 1), RecordingStream::FailureOf('S'));
    stream.Write(Bytes, 2, false);
    inner->failNext = 'W';
    EXPECT_EQ(ReadTwo(stream), written);
    inner->failNext = 'R';
    EXPECT_EQ(ReadTwo(direct), read);
    inner->failNext = 'W';
    EXPECT_EQ(direct.Write(Bytes, 1, false), written);
  }
  EXPECT_TRUE(destroyed);
}

}  // namespace
