#pragma once

#include <optional>
#include <string>

#include "tests/support/environment_scope.h"

// Switches the process's multibyte encoding to a double-byte one for the life of the object: GBK
// (code page 936), in which the trail byte of a character may be a backslash ("\x81\x5C"), a slash
// or a dot. Used by the tests of every multibyte-aware search.
class DoubleByteLocale {
public:
  DoubleByteLocale();
  ~DoubleByteLocale();
  DoubleByteLocale(const DoubleByteLocale&) = delete;
  DoubleByteLocale& operator=(const DoubleByteLocale&) = delete;

  // True when the switch took effect.
  bool Active() const { return m_active; }

private:
  bool m_active = false;
  std::string m_previous;                        // the encoding before, restored at the end (POSIX)
  std::optional<EnvironmentScope> m_localePath;  // where the locale is found (POSIX)
};
