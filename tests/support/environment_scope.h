#pragma once

// POSIX: the user's locale, the zone and the desktop come from environment variables; tests set
// them for a while.

#include <stdlib.h>

#include <optional>
#include <string>

// Sets (or with null removes) an environment variable for the life of the object.
class EnvironmentScope {
public:
  EnvironmentScope(const char* name, const char* value) : m_name(name) {
    if (const char* old = getenv(name)) m_old = old;
    value ? setenv(name, value, 1) : unsetenv(name);
  }
  ~EnvironmentScope() {
    m_old ? setenv(m_name.c_str(), m_old->c_str(), 1) : unsetenv(m_name.c_str());
  }
  EnvironmentScope(const EnvironmentScope&) = delete;
  EnvironmentScope& operator=(const EnvironmentScope&) = delete;

private:
  std::string m_name;
  std::optional<std::string> m_old;
};
