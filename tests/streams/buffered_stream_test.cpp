#include "corekit/streams/buffered_stream.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "corekit/streams/memory_stream.h"

namespace {

// A memory stream that logs what reaches it ("W4f" a write of 4 bytes with flush, "S-2,1" a seek)
// and can be told to fail its writes.
class RecordingStream : public TMemoryStream {
public:
  RecordingStream(std::vector<std::string>& log, bool* destroyed = nullptr)
      : TMemoryStream(16), m_log(log), m_destroyed(destroyed) {}
  ~RecordingStream() override {
    if (m_destroyed) *m_destroyed = true;
  }
  LONG Write(const unsigned char* data, LONG count, bool flush) override {
    m_log.push_back("W" + std::to_string(count) + (flush ? "f" : ""));
    return failWrites ? static_cast<LONG>(0x80070070) : TMemoryStream::Write(data, count, flush);
  }
  LONG Read(unsigned char* data, LONG count, LONG* done) override {
    m_log.push_back("R" + std::to_string(count));
    return TMemoryStream::Read(data, count, done);
  }
  LONG Seek(LONG offset, int origin) override {
    m_log.push_back("S" + std::to_string(offset) + "," + std::to_string(origin));
    return TMemoryStream::Seek(offset, origin);
  }
  bool failWrites = false;

private:
  std::vector<std::string>& m_log;
  bool* m_destroyed;
};

using Log = std::vector<std::string>;
const unsigned char Bytes[] = {'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h'};

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

TEST(BufferedStream, InnerFailuresComeBackAndOwnedStreamsAreDestroyed) {
  Log log;
  bool destroyed = false;
  auto* inner = new RecordingStream(log, &destroyed);
  {
    TBufferedStream stream(inner, true, 4);
    inner->failWrites = true;
    EXPECT_EQ(stream.Write(Bytes, 6, false), static_cast<LONG>(0x80070070));
    inner->failWrites = false;
    EXPECT_EQ(stream.Write(nullptr, 0, true), 0);  // the failed buffer is gone
    EXPECT_EQ(log, Log{"W4f"});
  }
  EXPECT_TRUE(destroyed);
}

}  // namespace
