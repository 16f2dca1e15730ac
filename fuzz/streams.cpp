// The memory stream, alone or behind a buffered stream, driven by operations decoded from the
// input and checked after each one against a byte vector with the memory stream's rules.
//
// Input: a byte choosing the stream (even: memory stream, odd: buffered over one), the block size,
// the buffer size, then operations: a byte whose low two bits choose write, read, seek or tell,
// followed by its arguments.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "corekit/streams/buffered_stream.h"
#include "corekit/streams/memory_stream.h"
#include "fuzz/expect.h"
#include "tests/streams/byte_model.h"

namespace {

// Seeks that would make the stream longer than this are skipped, to keep runs fast.
constexpr long long MaxSize = 1 << 16;

class Input {
public:
  Input(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
  bool AtEnd() const { return m_at >= m_size; }
  std::uint8_t Byte() { return m_at < m_size ? m_data[m_at++] : 0; }
  std::int16_t Word() { return static_cast<std::int16_t>(Byte() | (Byte() << 8)); }
  // count bytes of the input, continued by a counting pattern where the input ends.
  std::vector<unsigned char> Bytes(std::size_t count) {
    std::vector<unsigned char> bytes;
    for (std::size_t i = 0; i < count; ++i) {
      bytes.push_back(!AtEnd() ? Byte() : static_cast<unsigned char>(i));
    }
    return bytes;
  }

private:
  const std::uint8_t* m_data;
  std::size_t m_size;
  std::size_t m_at = 0;
};

// Where a seek leads in the model, to skip those that grow it too far.
long long SeekTarget(const ByteModel& model, long offset, int origin) {
  if (origin == 0) return offset;
  return (origin == 2 ? model.Size() : model.position) + offset;
}

// The memory stream's own operations, each against the model.
void RunMemoryStream(Input& input) {
  TMemoryStream stream(1 + input.Byte() % 64);
  ByteModel model;
  while (!input.AtEnd()) {
    const std::uint8_t op = input.Byte();
    switch (op & 3) {
      case 0: {
        const std::vector<unsigned char> bytes = input.Bytes(input.Byte());
        EXPECT(stream.Write(bytes.data(), static_cast<LONG>(bytes.size()), op & 4) == 0);
        model.Write(bytes.data(), static_cast<long>(bytes.size()));
        break;
      }
      case 1: {
        const LONG count = input.Byte();
        std::vector<unsigned char> read(static_cast<std::size_t>(count));
        LONG done = -1;
        EXPECT(stream.Read(read.data(), count, &done) == 0);
        read.resize(static_cast<std::size_t>(done));
        EXPECT(read == model.Read(count));
        break;
      }
      case 2: {
        const LONG offset = input.Word();
        const int origin = (op >> 2) & 3;
        if (SeekTarget(model, offset, origin) > MaxSize) break;
        EXPECT(stream.Seek(offset, origin) == 0);
        model.Seek(offset, origin);
        break;
      }
      case 3:
        EXPECT(stream.GetPosition() == model.position);
        break;
    }
    EXPECT(stream.GetSize() == model.Size());
  }
}

// A buffered stream over a memory stream. The model is the memory stream's content and the bytes
// written to the buffer and not yet passed on; reading passes them on first, a seek drops them.
void RunBufferedStream(Input& input) {
  TMemoryStream inner(1 + input.Byte() % 64);
  // Sizes below 1 give a stream without a buffer, whose bytes pass on at once, as with 1.
  const LONG capacity = static_cast<LONG>(input.Byte() % 66) - 1;
  const LONG held = std::max<LONG>(capacity, 1);
  ByteModel model;
  std::vector<unsigned char> pending;
  {
    TBufferedStream stream(&inner, false, capacity);
    while (!input.AtEnd()) {
      const std::uint8_t op = input.Byte();
      switch (op & 3) {
        case 0: {
          const std::vector<unsigned char> bytes = input.Bytes(input.Byte());
          const bool flush = (op & 4) != 0;
          const unsigned char* data = bytes.empty() ? nullptr : bytes.data();
          EXPECT(stream.Write(data, static_cast<LONG>(bytes.size()), flush) == 0);
          pending.insert(pending.end(), bytes.begin(), bytes.end());
          while (pending.size() >= static_cast<std::size_t>(held)) {
            model.Write(pending.data(), held);
            pending.erase(pending.begin(), pending.begin() + held);
          }
          if (flush && !pending.empty()) {
            model.Write(pending.data(), static_cast<long>(pending.size()));
            pending.clear();
          }
          break;
        }
        case 1: {
          model.Write(pending.data(), static_cast<long>(pending.size()));
          pending.clear();
          const LONG count = input.Byte();
          std::vector<unsigned char> read(static_cast<std::size_t>(count));
          LONG done = -1;
          const LONG result = stream.Read(read.data(), count, &done);
          read.resize(static_cast<std::size_t>(done));
          const std::vector<unsigned char> expected = model.Read(count);
          EXPECT(read == expected);
          EXPECT(result == (expected.size() < static_cast<std::size_t>(count) ? S_STREAM_END : 0));
          break;
        }
        case 2: {
          const LONG offset = input.Word();
          const int origin = (op >> 2) & 3;
          if (SeekTarget(model, offset, origin) > MaxSize) break;
          pending.clear();
          EXPECT(stream.Seek(offset, origin) == 0);
          model.Seek(offset, origin);
          break;
        }
        case 3:
          EXPECT(stream.GetPosition() == 0);
          break;
      }
      EXPECT(inner.GetSize() == model.Size());
    }
  }
  model.Write(pending.data(), static_cast<long>(pending.size()));

  // The memory stream holds the model's bytes.
  EXPECT(inner.GetSize() == model.Size());
  EXPECT(inner.Seek(0, 0) == 0);
  std::vector<unsigned char> content(model.bytes.size());
  LONG done = -1;
  EXPECT(inner.Read(content.data(), static_cast<LONG>(content.size()), &done) == 0);
  EXPECT(done == model.Size() && content == model.bytes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input input(data, size);
  if (input.Byte() % 2 == 0) {
    RunMemoryStream(input);
  } else {
    RunBufferedStream(input);
  }
  return 0;
}
