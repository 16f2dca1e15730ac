#pragma once

// The user's locale, the zone, the home and temporary folders and the desktop come from
// environment variables; tests set them for a while.

#include <optional>
#include <string>

// Sets (or with null removes) an environment variable for the life of the object, and restores
// its value before.
class EnvironmentScope {
public:
  EnvironmentScope(const char* name, const char* value);
  ~EnvironmentScope();
  EnvironmentScope(const EnvironmentScope&) = delete;
  EnvironmentScope& operator=(const EnvironmentScope&) = delete;

private:
  std::string m_name;
  std::optional<std::string> m_old;
};
