// A plug-in that receives and posts notes through the process's office of their type.
#include <memory>

#include "tests/core/plugins/plugin_export.h"
#include "tests/notify/shared_note.h"

namespace {

std::unique_ptr<NoteDigits> g_listener;
int* g_unloads = nullptr;

// Destroyed when the plug-in is unloaded.
struct UnloadReport {
  ~UnloadReport() {
    if (g_unloads != nullptr) ++*g_unloads;
  }
} g_report;

void Listen(int* unloads) {
  g_unloads = unloads;
  g_listener = std::make_unique<NoteDigits>();
}

int Stop() {
  const int digits = g_listener->digits;
  g_listener.reset();
  return digits;
}

void Post(int digit) { PostToOffice(SharedNote{digit}); }

}  // namespace

extern "C" PLUGIN_EXPORT const NotePlugin* NoteFunctions() {
  static const NotePlugin functions{&Listen, &Stop, &Post};
  return &functions;
}
