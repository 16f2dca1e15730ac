// The functions that the loader tests look up: two whose names differ only in letter case, and one
// through which the module reports its unload.
#include "tests/core/plugins/plugin_export.h"

extern "C" PLUGIN_EXPORT int Scale(int value) { return value * 10; }

// Its answer comes through an exception thrown and caught inside the module, so that a module whose
// unwinding is broken (its unwind tables not registered, as with DWARF-2 on 32-bit Windows) fails.
extern "C" PLUGIN_EXPORT int scale(int value) {
  try {
    throw value * 100;
  } catch (int scaled) {
    return scaled;
  }
}

namespace {

int* g_unloads = nullptr;

// Destroyed when the module is unloaded.
struct UnloadReport {
  ~UnloadReport() {
    if (g_unloads != nullptr) ++*g_unloads;
  }
} g_report;

}  // namespace

// From now on the module's unload adds 1 to *counter.
extern "C" PLUGIN_EXPORT void ReportUnloadTo(int* counter) { g_unloads = counter; }
