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

}  // namespace

// Attaches the plug-in's target; from now on the plug-in's unload adds 1 to *unloads.
extern "C" PLUGIN_EXPORT void NoteListen(int* unloads) {
  g_unloads = unloads;
  g_listener = std::make_unique<NoteDigits>();
}

// Destroys the plug-in's target and returns the digits it received.
extern "C" PLUGIN_EXPORT int NoteStop() {
  const int digits = g_listener->digits;
  g_listener.reset();
  return digits;
}

extern "C" PLUGIN_EXPORT void NotePost(int digit) { PostToOffice(SharedNote{digit}); }
