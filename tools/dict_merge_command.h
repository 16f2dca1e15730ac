#pragma once

// `corekit dict merge TEMPLATE DICT [--output FILE]`: a dictionary brought up to a new template.

#include <memory>

#include "tools/command.h"
#include "tools/dict_document.h"

namespace corekit::tool {

// The template's texts, in its order and with its comments, each with the translation the
// dictionary has for it (also from its obsolete section), else empty. A dictionary text that the
// template lacks but whose resource ("#: " line) a new text of the template has is the old form of
// that text: the new one is marked "#, review" with the old English and translation beside it.
// Every other translated text that the template lacks goes to the obsolete section, as do the
// dictionary's obsolete texts that stay gone; untranslated ones are dropped.
DictDocument MergeDictionaries(const DictDocument& templ, const DictDocument& dictionary);

// Adds the `merge` subcommand to the `dict` command.
std::unique_ptr<Command> AddDictMergeCommand(CLI::App& dict);

}  // namespace corekit::tool
