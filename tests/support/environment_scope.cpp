#include "tests/support/environment_scope.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <stdlib.h>
#endif

namespace {

// The process's own environment: on Windows the system's block, which the system's functions
// (the temporary folder, the profile) read.
#if defined(_WIN32)
std::optional<std::string> Read(const char* name) {
  char buffer[32768];
  const DWORD length = GetEnvironmentVariableA(name, buffer, sizeof buffer);
  if (length == 0 || length >= sizeof buffer) return std::nullopt;
  return std::string(buffer, length);
}

void Write(const char* name, const char* value) { SetEnvironmentVariableA(name, value); }
#else
std::optional<std::string> Read(const char* name) {
  const char* value = getenv(name);
  return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
}

void Write(const char* name, const char* value) {
  value != nullptr ? setenv(name, value, 1) : unsetenv(name);
}
#endif

}  // namespace

EnvironmentScope::EnvironmentScope(const char* name, const char* value)
    : m_name(name), m_old(Read(name)) {
  Write(name, value);
}

EnvironmentScope::~EnvironmentScope() { Write(m_name.c_str(), m_old ? m_old->c_str() : nullptr); }
