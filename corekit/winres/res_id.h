#pragma once

// The type and name of a resource, and the one rule by which a wanted type or name finds it.

#include <cstddef>
#include <optional>
#include <string>

#include "corekit/platform/types.h"

namespace corekit::winres {

// A resource type or name: a number, or a text of UTF-16 code units stored in the image.
struct ResId {
  bool isNumber = false;
  WORD number = 0;
  const BYTE* text = nullptr;  // little-endian UTF-16, length code units, no terminator
  std::size_t length = 0;

  // The text's code unit at index (index < length).
  char16_t At(std::size_t index) const;
};

// The key that finds a type or name: a wanted one matches a stored one when both have a key and
// the keys are equal. A number (MAKEINTRESOURCEA) and its "#123" form have the number's key; a text
// of ASCII characters has its upper-case form, so texts match without regard to case. A text
// with other characters, and a null wanted name, have none and match nothing.
// ResIdKey("#7") == ResIdKey(MAKEINTRESOURCEA(7)); ResIdKey("Menu") == ResIdKey("MENU").
std::optional<std::string> ResIdKey(const ResId& id);
std::optional<std::string> ResIdKey(const char* wanted);

}  // namespace corekit::winres
