#include "tools/dict_stats.h"

#include "tools/dict_key_hash.h"

namespace corekit::tool {

double DictStats::Share() const {
  const int total = translated + empty + missing;
  return total == 0 ? 100.0 : 100.0 * translated / total;
}

void DictCounter::Want(const std::string& key) {
  m_template = true;
  m_wanted.emplace(DictKeyHash(key), false);
}

void DictCounter::Count(const DictDocument& piece) {
  m_stats.obsolete += static_cast<int>(piece.obsolete.size());
  for (const DictEntry& entry : piece.entries) {
    const std::uint64_t key = DictKeyHash(entry.key);
    if (!m_seen.insert(key).second) continue;
    if (m_template) {
      const auto wanted = m_wanted.find(key);
      if (wanted == m_wanted.end()) {
        ++m_stats.obsolete;
        continue;
      }
      wanted->second = true;
      ++m_found;
    }
    ++(entry.value.empty() ? m_stats.empty : m_stats.translated);
    if (entry.MarkedForReview()) ++m_stats.review;
  }
}

DictStats DictCounter::Result() const {
  DictStats stats = m_stats;
  stats.missing = static_cast<int>(m_wanted.size()) - m_found;
  return stats;
}

DictStats CountDictionary(const DictDocument& dictionary, const DictDocument* templ) {
  DictCounter counter;
  if (templ != nullptr) {
    for (const DictEntry& entry : templ->entries) counter.Want(entry.key);
  }
  counter.Count(dictionary);
  return counter.Result();
}

bool CountDictionaryFiles(const std::string& dictionary, const std::string& templ, DictStats& stats,
                          std::string& unread) {
  DictCounter counter;
  DictFileReader templateReader, reader;
  if (!templ.empty() &&
      !ReadDictPieces(templ, templateReader, [&](const std::string&, int, DictDocument& piece) {
        for (const DictEntry& entry : piece.entries) counter.Want(entry.key);
      })) {
    unread = templ;
    return false;
  }
  if (!ReadDictPieces(dictionary, reader, [&](const std::string&, int, DictDocument& piece) {
        counter.Count(piece);
      })) {
    unread = dictionary;
    return false;
  }
  stats = counter.Result();
  return true;
}

}  // namespace corekit::tool
