#pragma once

// The counts of `corekit dict stats`: how much of a dictionary is translated.

#include <cstdint>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "tools/dict_document.h"

namespace corekit::tool {

struct DictStats {
  int translated = 0;  // texts with a translation
  int empty = 0;       // texts whose translation is empty
  int missing = 0;     // texts of the template that the dictionary lacks
  int obsolete = 0;    // the obsolete section, and texts the template lacks
  int review = 0;      // texts marked for review

  // The share of translated texts among all to translate, in percent; 100 when there are none.
  double Share() const;
};

// Counts a dictionary piece by piece, as ReadDictPieces hands it on, against the template's texts
// when there are any (else the dictionary's own texts are the ones to translate). Only the first
// pair of a key counts. It holds a 64-bit hash of each key, not the texts.
class DictCounter {
public:
  // A text of the template.
  void Want(const std::string& key);
  // The pairs and obsolete texts of the next piece of the dictionary.
  void Count(const DictDocument& piece);
  DictStats Result() const;

private:
  bool m_template = false;
  std::unordered_map<std::uint64_t, bool> m_wanted;  // the template's keys: found in the dictionary
  std::unordered_set<std::uint64_t> m_seen;          // the dictionary's keys
  int m_found = 0;
  DictStats m_stats;
};

// The counts of the dictionary, against the template when it is not null.
DictStats CountDictionary(const DictDocument& dictionary, const DictDocument* templ);

// The counts of the dictionary file, against the template file when templ is not empty; false
// when one cannot be read, whose path is then in unread.
bool CountDictionaryFiles(const std::string& dictionary, const std::string& templ, DictStats& stats,
                          std::string& unread);

}  // namespace corekit::tool
