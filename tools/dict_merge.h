#pragma once

// A dictionary brought up to a new template of its module's texts.

#include "tools/dict_document.h"

namespace corekit::tool {

// The template's texts, in its order and with its comments, each with the translation, notes and
// review mark the dictionary has for it (also from its obsolete section), else empty. A dictionary
// text that the template lacks but whose resource ("#: " line) a new text of the template has is
// the old form of that text: the new one is marked "#, review" with the old English and
// translation beside it (an old text still under review passes on its mark); a shared text that
// keeps one of its resources lends its translation so. Every other text that the template lacks
// and that holds a translation or a note goes to the obsolete section with its notes; the
// dictionary's obsolete texts stay there unless one comes back (each key and translation once);
// the rest is dropped. Lines the template writes
// (its header and group headings) are no notes; the dictionary's own header stays. Merging the
// result again changes nothing.
// The template's entries move into the result (pass it with std::move when it is not needed after).
DictDocument MergeDictionaries(DictDocument templ, const DictDocument& dictionary);

// The same, handed to merged part by part as it is made, so that it need not be held whole.
void MergeDictionaries(DictDocument templ, const DictDocument& dictionary, DictSink& merged);

}  // namespace corekit::tool
