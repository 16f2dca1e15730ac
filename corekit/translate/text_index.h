#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "corekit/core/kstring.h"

// Texts mapped to texts, where the first insertion of a text wins: one direction of a dictionary.
// Internal to the library.
//
// An open-addressing hash table: the pairs lie in insertion order, and a table of slots, at most
// half full, holds each pair's hash and position. A lookup hashes the text once and compares its
// bytes with the pair whose slot carries the same hash, so a hit costs about one comparison.
class TTextIndex {
public:
  // Adds the pair unless the text is there already (then the earlier value stays).
  void Insert(const KString& text, const KString& value);

  // The value of the text, or null when the text is not there.
  const KString* Find(const KString& text) const;

private:
  struct Slot {
    std::size_t hash = 0;
    std::uint32_t pair = 0;  // 1 + the pair's position; 0 for an empty slot
  };

  static std::size_t Hash(const KString& text);
  // The position of the text's slot: the one that holds it, or the empty one where it belongs.
  std::size_t SlotOf(const KString& text, std::size_t hash) const;
  void Grow();

  std::vector<std::pair<KString, KString>> m_pairs;
  std::vector<Slot> m_slots;  // a power of two in size, or empty
};
