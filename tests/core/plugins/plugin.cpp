// A module with one function and whatever resources its build gives it: the tests load it to read
// version blocks of files other than their own.
#if defined(_WIN32)
#define PLUGIN_EXPORT __declspec(dllexport)
#else
#define PLUGIN_EXPORT __attribute__((visibility("default")))
#endif

extern "C" PLUGIN_EXPORT int PluginAnswer() { return 42; }
