#pragma once

// `corekit dict stats DICT [--template T] [--min PERCENT]`: how much of a dictionary is
// translated.

#include <memory>

#include "tools/command.h"
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

// The counts of the dictionary, against the template when it is not null (else the dictionary's
// own texts are the ones to translate). Only the first pair of a key counts.
DictStats CountDictionary(const DictDocument& dictionary, const DictDocument* templ);

// Adds the `stats` subcommand to the `dict` command.
std::unique_ptr<Command> AddDictStatsCommand(CLI::App& dict);

}  // namespace corekit::tool
