// Streams beside memcpy and std::ofstream.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "corekit/streams/buffered_stream.h"
#include "corekit/streams/file_stream.h"
#include "corekit/streams/memory_stream.h"

namespace {

constexpr long Piece = 4096;

// Both sides move the total in pieces of 4 KiB (or one piece when the total is smaller). The
// headline case rewrites one stream (one buffer) from its start at each iteration: it measures the
// copying. The growth runs make a new stream (a new buffer) at each iteration, allocation included.
template <bool Fresh>
void MemoryStreamCorekit(benchmark::State& state) {
  const long total = state.range(0);
  const long size = std::min(Piece, total);
  std::vector<unsigned char> piece(Piece, 0x5A), back(Piece);
  auto kept = std::make_unique<TMemoryStream>(64 * 1024);
  for (auto _ : state) {
    if (Fresh) kept = std::make_unique<TMemoryStream>(64 * 1024);
    TMemoryStream& stream = *kept;
    stream.Seek(0, 0);
    for (long at = 0; at < total; at += size) stream.Write(piece.data(), size, false);
    stream.Seek(0, 0);
    LONG done = 0;
    for (long at = 0; at < total; at += size) stream.Read(back.data(), size, &done);
    benchmark::DoNotOptimize(back.data());
  }
  state.SetBytesProcessed(state.iterations() * total * 2);
  state.SetComplexityN(total);
}
BENCHMARK(MemoryStreamCorekit<false>)->Name("MemoryStream16MiB/corekit")->Arg(16 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(MemoryStreamCorekit<true>)->Name("MemoryStreamGrowth/corekit")->RangeMultiplier(16)->Range(1 << 10, 256 << 20)->Complexity()->Unit(benchmark::kMillisecond);

template <bool Fresh>
void MemoryStreamPeer(benchmark::State& state) {
  const long total = state.range(0);
  const long size = std::min(Piece, total);
  std::vector<unsigned char> piece(Piece, 0x5A), back(Piece);
  // One buffer of the final size, not cleared first: the least a copy can cost.
  const auto allocate = [total] { return std::unique_ptr<unsigned char[]>(new unsigned char[static_cast<std::size_t>(total)]); };
  std::unique_ptr<unsigned char[]> buffer = allocate();
  for (auto _ : state) {
    if (Fresh) buffer = allocate();
    for (long at = 0; at < total; at += size) std::memcpy(buffer.get() + at, piece.data(), size);
    for (long at = 0; at < total; at += size) std::memcpy(back.data(), buffer.get() + at, size);
    benchmark::DoNotOptimize(back.data());
  }
  state.SetBytesProcessed(state.iterations() * total * 2);
  state.SetComplexityN(total);
}
BENCHMARK(MemoryStreamPeer<false>)->Name("MemoryStream16MiB/peer")->Arg(16 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(MemoryStreamPeer<true>)->Name("MemoryStreamGrowth/peer")->RangeMultiplier(16)->Range(1 << 10, 256 << 20)->Complexity()->Unit(benchmark::kMillisecond);

std::string ScratchFile(const char* name) { return (std::filesystem::temp_directory_path() / name).string(); }

constexpr long Record = 16;
constexpr long FileTotal = 16 << 20;

void BufferedFileStreamCorekit(benchmark::State& state) {
  const std::string path = ScratchFile("corekit-bench-buffered.bin");
  const unsigned char record[Record] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
  for (auto _ : state) {
    TBufferedStream stream(new TFileStream(path.c_str(), 2, 0x40000000, 0), true, 64 * 1024);
    for (long at = 0; at < FileTotal; at += Record) stream.Write(record, Record, false);
  }
  std::filesystem::remove(path);
  state.SetBytesProcessed(state.iterations() * FileTotal);
}
BENCHMARK(BufferedFileStreamCorekit)->Name("BufferedFileStream16MiB/corekit")->Unit(benchmark::kMillisecond);

void BufferedFileStreamPeer(benchmark::State& state) {
  const std::string path = ScratchFile("corekit-bench-ofstream.bin");
  const char record[Record] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
  for (auto _ : state) {
    std::ofstream stream(path, std::ios::binary | std::ios::trunc);
    for (long at = 0; at < FileTotal; at += Record) stream.write(record, Record);
  }
  std::filesystem::remove(path);
  state.SetBytesProcessed(state.iterations() * FileTotal);
}
BENCHMARK(BufferedFileStreamPeer)->Name("BufferedFileStream16MiB/peer")->Unit(benchmark::kMillisecond);

}  // namespace
