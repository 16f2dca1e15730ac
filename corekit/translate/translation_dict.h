#pragma once

#include "corekit/core/kstring.h"
#include "corekit/translate/dictionary_text.h"
#include "corekit/translate/text_index.h"

// One dictionary file: texts of the base language (English) and of one other language, looked up
// in either direction. Internal to the library.
//
// The file holds pairs [key][value]; text outside the pairs is ignored as long as it holds no "[".
// In keys and values \n, \t, \r and \\ stand for a line feed, a tab, a carriage return and a
// backslash. The first pair of a key wins, separately for each direction.
class TTranslationDict {
public:
  // Reads the dictionary file at path (in text mode); false when it cannot be opened, which leaves
  // the dictionary empty.
  bool LoadFromFile(const KString& path);

  // Adds the pairs of a dictionary text; a zero byte or an incomplete pair ends it.
  void AddPairs(const char* text);

  // The value of text in the reverse (other language to base) or forward map; empty when the text
  // is no key.
  KString Lookup(const KString& text, bool reverse) const;

  // The same value without a copy: null when the text is no key. Valid while the dictionary lives.
  const KString* Find(const KString& text, bool reverse) const;

private:
  TTextIndex m_forward;
  TTextIndex m_reverse;
};
