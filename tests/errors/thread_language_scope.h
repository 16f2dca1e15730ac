#pragma once

// Sets the calling thread's language for the life of the object and restores the one before.

#include "corekit/translate/thread_language.h"

class ThreadLanguageScope {
public:
  explicit ThreadLanguageScope(WORD language)
      : m_previous(GetThreadLanguage()), m_set(SetThreadLanguage(language)) {}
  ~ThreadLanguageScope() { SetThreadLanguage(m_previous); }
  ThreadLanguageScope(const ThreadLanguageScope&) = delete;
  ThreadLanguageScope& operator=(const ThreadLanguageScope&) = delete;

  // True when the language was accepted.
  bool Set() const { return m_set; }

private:
  WORD m_previous;
  bool m_set;
};
