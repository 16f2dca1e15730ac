#pragma once

// A plain byte vector with the memory stream's rules, to check streams against.

#include <algorithm>
#include <cstdint>
#include <vector>

struct ByteModel {
  std::vector<unsigned char> bytes;
  long long position = 0;

  void Write(const unsigned char* data, long count) {
    if (bytes.size() < static_cast<std::size_t>(position + count))
      bytes.resize(position + count, 0);
    std::copy(data, data + count, bytes.begin() + position);
    position += count;
  }
  std::vector<unsigned char> Read(long count) {
    const long long n = std::max<long long>(0, std::min<long long>(count, Size() - position));
    std::vector<unsigned char> read(bytes.begin() + position, bytes.begin() + position + n);
    position += n;
    return read;
  }
  void Seek(long offset, int origin) {
    if (origin == 0) {
      position = std::clamp<long long>(offset, 0, Size());
    } else {
      position = std::max<long long>((origin == 2 ? Size() : position) + offset, 0);
    }
    if (position > Size()) bytes.resize(position, 0);
  }
  long long Size() const { return static_cast<long long>(bytes.size()); }
};
