#pragma once

// A module of the build loaded for the length of a test.

#include <gtest/gtest.h>

#include "corekit/dllload/module_load.h"

class LoadedModule {
public:
  explicit LoadedModule(const char* path) : m_module(LoadModuleFile(path, nullptr)) {
    EXPECT_NE(m_module, nullptr) << path;
  }
  ~LoadedModule() {
    if (m_module != nullptr) FreeModuleFile(m_module);
  }
  LoadedModule(const LoadedModule&) = delete;
  LoadedModule& operator=(const LoadedModule&) = delete;

  HMODULE Get() const { return m_module; }

private:
  HMODULE m_module;
};
