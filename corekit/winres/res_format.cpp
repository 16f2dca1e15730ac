#include "corekit/winres/res_format.h"

#include "corekit/winres/byte_reader.h"

namespace corekit::winres {
namespace {

// Reads a type or name field of the header at the reader; false when it runs past the header.
bool ReadId(const BYTE* header, ByteReader& reader, ResId& id) {
  const std::size_t start = reader.Position();
  WORD first = 0;
  if (!reader.Word(first)) return false;
  if (first == 0xFFFF) {
    WORD number = 0;
    if (!reader.Word(number)) return false;
    id = ResId{true, number, nullptr, 0};
    return true;
  }
  id = ResId{false, 0, header + start, 0};
  return reader.Seek(start) && reader.SkipText(id.length);
}

}  // namespace

bool NextResEntry(const BYTE* image, std::size_t imageSize, std::size_t& offset, ResEntry& entry) {
  if (image == nullptr || offset > imageSize) return false;
  const BYTE* header = image + offset;
  const std::size_t rest = imageSize - offset;
  ByteReader sizes(header, rest);
  DWORD dataSize = 0, headerSize = 0;
  if (!sizes.Dword(dataSize) || !sizes.Dword(headerSize)) return false;
  // The fixed fields after the names take 16 bytes; the names at least 4 each.
  if (headerSize < 32 || headerSize > rest || dataSize > rest - headerSize) return false;
  ByteReader reader(header, headerSize);
  ResEntry read;
  // After the names: the data version and the memory flags, then the language, the version and
  // the characteristics.
  if (!reader.Skip(8) || !ReadId(header, reader, read.type) || !ReadId(header, reader, read.name) ||
      !reader.SkipToDword() || reader.Remaining() < 16 || !reader.Skip(6) ||
      !reader.Word(read.language)) {
    return false;
  }
  read.data = header + headerSize;
  read.size = dataSize;
  entry = read;
  offset = AlignToDword(offset + headerSize + dataSize);
  return true;
}

}  // namespace corekit::winres
