#pragma once

#include <map>

#include "corekit/core/kstring.h"
#include "corekit/export.h"
#include "corekit/platform/interface_types.h"

// Shared, reference-counted access to a plug-in library and its functions by name. Every LoadDLL
// of the same name (compared case-sensitively, unchanged: a file name or a path) gives the same
// loader until the matching ReleaseDLL calls bring its count back to 0. The library is loaded at
// the first GetFunc, and each function name is resolved by the system once.
//
//   TDLLFuncLoader* plugin = TDLLFuncLoader::LoadDLL("surveyio.dll");
//   auto open = reinterpret_cast<int (*)(const char*)>(plugin->GetFunc("OpenSurvey"));
//   if (open == nullptr) { /* plugin->GetResult(): 0 (no such function) or the load's error */ }
//   TDLLFuncLoader::ReleaseDLL(plugin);
//
// LoadDLL and ReleaseDLL may run on several threads at once; GetFunc of one loader is called from
// one thread at a time.
class COREKIT_API TDLLFuncLoader {
public:
  // The loader of the named library, created on first use, else the existing one with its count
  // raised by 1. Never null; the library is not loaded yet.
  static TDLLFuncLoader* LoadDLL(const KString& dllName);
  // Gives back one LoadDLL. The last one destroys the loader and frees its library, if loaded; a
  // later LoadDLL of the name starts afresh. A null loader is ignored.
  static void ReleaseDLL(TDLLFuncLoader* loader);

  // The address of the named function (cast it to its real type), or null. The first call loads
  // the library; a failed load sets GetResult and every later call for an uncached name returns
  // null without trying again. Each answer, null included, is remembered per name. Addresses stay
  // valid until the loader is destroyed.
  FARPROC GetFunc(const char* functionName);

  // 0, or the system's error code of the failed load.
  LONG GetResult() const;
  // The name given to the first LoadDLL.
  KString GetDLLName() const;

  // A loader owns its function cache and its library: it is never copied.
  TDLLFuncLoader(const TDLLFuncLoader&) = delete;
  TDLLFuncLoader& operator=(const TDLLFuncLoader&) = delete;

private:
  explicit TDLLFuncLoader(const KString& dllName);
  ~TDLLFuncLoader();

  LONG m_refCount;
  HMODULE m_module;
  LONG m_result;
  KString m_dllName;
  std::map<KString, FARPROC> m_functions;
};
