// A plug-in that receives and posts notes through the process's office of their type.
#include <memory>
#include <utility>

#include "tests/core/plugins/plugin_export.h"
#include "tests/notify/shared_note.h"

extern "C" PLUGIN_EXPORT void ReportUnloadTo(int* counter);  // tests/dllload/plugin

namespace {

std::unique_ptr<NoteDigits> g_listener;

void Listen() { g_listener = std::make_unique<NoteDigits>(); }

int Stop() { return std::exchange(g_listener, nullptr)->digits; }

void Post(int digit) { PostToOffice(SharedNote{digit}); }

}  // namespace

extern "C" PLUGIN_EXPORT const NotePlugin* NoteFunctions() {
  static const NotePlugin functions{&ReportUnloadTo, &Listen, &Stop, &Post};
  return &functions;
}
