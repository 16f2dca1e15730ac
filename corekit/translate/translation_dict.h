#pragma once

#include "corekit/core/kstring.h"
#include "corekit/translate/text_index.h"

// Where one pair of a dictionary text lies: the brackets around its key and its value.
struct TDictionaryPair {
  const char* keyOpen = nullptr;
  const char* keyClose = nullptr;
  const char* valueOpen = nullptr;
  const char* valueClose = nullptr;
};

// The first complete pair of the NUL-terminated text, stepping over whole characters of the
// process's multibyte encoding; false when no complete pair is left. Scanning goes on after
// pair.valueClose.
bool NextDictionaryPair(const char* text, TDictionaryPair& pair);

// A key or value as the dictionary holds it: \n, \t, \r and \\ replaced, in this order, each over
// the whole text (so the three characters \\n become a backslash and a line feed).
KString UnescapeDictionaryText(const char* first, const char* end);

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
