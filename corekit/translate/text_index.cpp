#include "corekit/translate/text_index.h"

#include <functional>
#include <string_view>

std::size_t TTextIndex::Hash(const KString& text) {
  return std::hash<std::string_view>()(
      std::string_view(text, static_cast<std::size_t>(text.GetLength())));
}

std::size_t TTextIndex::SlotOf(const KString& text, std::size_t hash) const {
  const std::size_t mask = m_slots.size() - 1;
  for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
    const Slot& slot = m_slots[at];
    if (slot.pair == 0 || (slot.hash == hash && m_pairs[slot.pair - 1].first == text)) return at;
  }
}

void TTextIndex::Grow() {
  std::vector<Slot> slots(m_slots.empty() ? 16 : m_slots.size() * 2);
  const std::size_t mask = slots.size() - 1;
  for (const Slot& slot : m_slots) {
    if (slot.pair == 0) continue;
    std::size_t at = slot.hash & mask;
    while (slots[at].pair != 0) at = (at + 1) & mask;
    slots[at] = slot;
  }
  m_slots.swap(slots);
}

void TTextIndex::Insert(const KString& text, const KString& value) {
  if ((m_pairs.size() + 1) * 2 > m_slots.size()) Grow();
  const std::size_t hash = Hash(text);
  Slot& slot = m_slots[SlotOf(text, hash)];
  if (slot.pair != 0) return;  // the first value of a text stays
  m_pairs.emplace_back(text, value);
  slot = Slot{hash, static_cast<std::uint32_t>(m_pairs.size())};
}

const KString* TTextIndex::Find(const KString& text) const {
  if (m_slots.empty()) return nullptr;
  const Slot& slot = m_slots[SlotOf(text, Hash(text))];
  return slot.pair != 0 ? &m_pairs[slot.pair - 1].second : nullptr;
}
