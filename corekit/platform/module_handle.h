#pragma once

#include "corekit/platform/types.h"

namespace corekit::platform {

// The module (executable or shared library) that holds this library's code: the DLL itself, or
// the program that links the library's objects directly.
HINSTANCE SelfModule() noexcept;

// The module that contains the given code or data address; null if none does.
HINSTANCE ModuleOfAddress(const void* address) noexcept;

// The process's executable module.
HINSTANCE ExecutableModule() noexcept;

}  // namespace corekit::platform
