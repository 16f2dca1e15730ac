// A module with one function and whatever resources its build gives it: the tests load it to read
// version blocks of files other than their own.
#include "tests/core/plugins/plugin_export.h"

extern "C" PLUGIN_EXPORT int PluginAnswer() { return 42; }
