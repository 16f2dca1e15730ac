#include "corekit/streams/memory_stream.h"

#include <gtest/gtest.h>

#include <atomic>
#include <new>
#include <random>
#include <vector>

#include "corekit/streams/buffered_stream.h"
#include "tests/streams/byte_model.h"

// The streams take their blocks with the nothrow form of new[]; while refusing is set it finds no
// memory, as when the system has none left, and counts the requests it refused.
namespace {
std::atomic<bool> refusing{false};
std::atomic<int> refused{0};
}  // namespace

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  if (refusing) {
    ++refused;
    return nullptr;
  }
  try {
    return ::operator new[](size);
  } catch (...) {
    return nullptr;
  }
}

namespace {

// Memory is refused for the life of the object.
struct NoMemory {
  NoMemory() {
    refused = 0;
    refusing = true;
  }
  ~NoMemory() { refusing = false; }
};

const unsigned char Ten[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};

std::vector<unsigned char> ReadAll(TAbstractStream& stream, LONG count, LONG* result = nullptr) {
  std::vector<unsigned char> data(static_cast<std::size_t>(count));
  LONG done = -1;
  const LONG code = stream.Read(data.data(), count, &done);
  if (result) *result = code;
  data.resize(static_cast<std::size_t>(done));
  return data;
}

TEST(MemoryStream, NegativeCountsMoveNoBytes) {
  TMemoryStream stream(4);
  EXPECT_EQ(stream.Write(Ten, 10, false), 0);
  EXPECT_EQ(stream.Write(Ten, -3, false), 0);
  EXPECT_EQ(stream.GetPosition(), 10);
  stream.Seek(0, 0);
  unsigned char guard = 0xEE;
  LONG done = -1;
  EXPECT_EQ(stream.Read(&guard, -5, &done), 0);
  EXPECT_EQ(done, 0);
  EXPECT_EQ(guard, 0xEE);
}

TEST(MemoryStream, ShortMemoryEndsWritesAndReadsAtTheMissingBlock) {
  TMemoryStream stream(4);
  ASSERT_EQ(stream.Write(Ten, 6, false), 0);  // runs of 1 and 2 blocks: 12 bytes
  {
    const NoMemory none;
    EXPECT_EQ(stream.Write(Ten, 10, false), E_STREAM_SHORTWRITE);
    EXPECT_EQ(stream.GetSize(), 12);
    EXPECT_EQ(stream.Seek(8, 2), 0);  // a gap from 12 to 20 in a block that cannot be made
    EXPECT_EQ(stream.Write(Ten, 1, false), E_STREAM_SHORTWRITE);
    stream.Seek(0, 0);
    LONG result = -1;
    EXPECT_EQ(ReadAll(stream, 100, &result).size(), 12u);
    EXPECT_EQ(result, 0);
  }
  stream.Seek(0, 0);
  EXPECT_EQ(ReadAll(stream, 100).size(), 20u);  // the gap reads as zeros once memory is back
}

// A stream holds at most 0x7FFFFFFF bytes. Reaching that position takes no memory, and neither does
// a write there (nothing fits) nor a read (nothing lies beyond): the gap before it stays unfilled.
TEST(MemoryStream, StopsAtTheLargestPosition) {
  TMemoryStream stream(4);
  const NoMemory none;
  EXPECT_EQ(stream.Seek(0x7FFFFFFF, 1), 0);
  EXPECT_EQ(stream.Seek(5, 1), 0);
  EXPECT_EQ(stream.Write(Ten, 2, false), E_STREAM_SHORTWRITE);
  LONG result = -1;
  EXPECT_EQ(ReadAll(stream, 4, &result).size(), 0u);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(stream.GetPosition(), 0x7FFFFFFF);
  EXPECT_EQ(stream.GetSize(), 0x7FFFFFFF);
  EXPECT_EQ(refused, 0);
}

// Random writes, seeks and reads, checked against a byte vector; the same through a buffer.
template <typename Make>
void CheckAgainstModel(Make make, unsigned seed) {
  std::mt19937 random(seed);
  for (int round = 0; round < 40; ++round) {
    std::unique_ptr<TAbstractStream> stream = make();
    ByteModel model;
    for (int step = 0; step < 60; ++step) {
      const int action = std::uniform_int_distribution<int>(0, 2)(random);
      if (action == 0) {
        std::vector<unsigned char> data(std::uniform_int_distribution<int>(0, 23)(random));
        for (auto& byte : data) byte = static_cast<unsigned char>(random());
        const bool flush = random() % 3 == 0;
        ASSERT_EQ(stream->Write(data.data(), static_cast<LONG>(data.size()), flush), 0);
        model.Write(data.data(), static_cast<long>(data.size()));
      } else if (action == 1) {
        const LONG count = std::uniform_int_distribution<LONG>(0, 30)(random);
        const std::vector<unsigned char> expected = model.Read(count);
        ASSERT_EQ(ReadAll(*stream, count), expected) << "round " << round << " step " << step;
      } else {
        // Writers pass on what they hold before seeking.
        stream->Write(nullptr, 0, true);
        const int origin = std::uniform_int_distribution<int>(0, 3)(random);
        const LONG offset = std::uniform_int_distribution<LONG>(-20, 40)(random);
        ASSERT_EQ(stream->Seek(offset, origin), 0);
        model.Seek(offset, origin);
      }
    }
    stream->Write(nullptr, 0, true);
    stream->Seek(0, 0);
    model.Seek(0, 0);
    EXPECT_EQ(ReadAll(*stream, 100000), model.Read(100000)) << "round " << round;
  }
}

TEST(MemoryStream, BehavesLikeAByteVector) {
  CheckAgainstModel([] { return std::make_unique<TMemoryStream>(7); }, 1);
  CheckAgainstModel([] { return std::make_unique<TMemoryStream>(0); }, 2);  // blocks of one byte
}

TEST(BufferedStream, OverAMemoryStreamBehavesLikeAByteVector) {
  CheckAgainstModel(
      [] { return std::make_unique<TBufferedStream>(new TMemoryStream(-4), true, 8); }, 3);
  CheckAgainstModel(
      [] { return std::make_unique<TBufferedStream>(new TMemoryStream(64), true, 1); }, 4);
}

}  // namespace
