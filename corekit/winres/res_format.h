#pragma once

// Reading of compiled resource files (.res, the format resource compilers write): a sequence of
// resources, each a header (data size, header size, type, name, language) followed by its data,
// every piece aligned to four bytes. Pure functions over the bytes, used where the system does not
// read resources itself.

#include <cstddef>

#include "corekit/platform/types.h"
#include "corekit/winres/res_id.h"

namespace corekit::winres {

// One resource of an image.
struct ResEntry {
  ResId type;
  ResId name;
  WORD language = 0;
  const BYTE* data = nullptr;
  DWORD size = 0;
};

// Reads the resource at offset of the image and moves offset to the next one. False at the end of
// the image or when the bytes there are no well-formed resource (nothing after it is read then).
// The empty resource that starts every .res file is returned like any other (type and name 0).
bool NextResEntry(const BYTE* image, std::size_t imageSize, std::size_t& offset, ResEntry& entry);

}  // namespace corekit::winres
