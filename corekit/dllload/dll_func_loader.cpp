#include "corekit/dllload/dll_func_loader.h"

#include "corekit/dllload/loader_table.h"
#include "corekit/platform/dynamic_library.h"

using corekit::internal::TheLoaderTable;

TDLLFuncLoader::TDLLFuncLoader(const KString& dllName)
    : m_refCount(1), m_module(nullptr), m_result(0), m_dllName(dllName) {}

TDLLFuncLoader::~TDLLFuncLoader() {
  if (m_module != nullptr) corekit::platform::FreeDynamicLibrary(m_module);
}

TDLLFuncLoader* TDLLFuncLoader::LoadDLL(const KString& dllName) {
  auto& table = TheLoaderTable();
  const std::lock_guard<std::mutex> guard(table.lock);
  const auto found = table.loaders.find(dllName);
  if (found != table.loaders.end()) {
    ++found->second->m_refCount;
    return found->second;
  }
  auto* loader = new TDLLFuncLoader(dllName);
  table.loaders.emplace(dllName, loader);
  return loader;
}

void TDLLFuncLoader::ReleaseDLL(TDLLFuncLoader* loader) {
  if (loader == nullptr) return;
  {
    auto& table = TheLoaderTable();
    const std::lock_guard<std::mutex> guard(table.lock);
    if (--loader->m_refCount != 0) return;
    const auto found = table.loaders.find(loader->m_dllName);
    if (found != table.loaders.end() && found->second == loader) table.loaders.erase(found);
  }
  delete loader;
}

FARPROC TDLLFuncLoader::GetFunc(const char* functionName) {
  if (functionName == nullptr) return nullptr;
  const KString name(functionName);
  const auto cached = m_functions.find(name);
  if (cached != m_functions.end()) return cached->second;
  // A failed load is final: nothing is retried and nothing cached.
  if (m_result != 0) return nullptr;
  if (m_module == nullptr) {
    DWORD error = 0;
    m_module = corekit::platform::LoadDynamicLibrary(m_dllName, &error);
    if (m_module == nullptr) {
      m_result = static_cast<LONG>(error);
      return nullptr;
    }
  }
  // A missing function is remembered as null, like any other answer.
  const auto address =
      reinterpret_cast<FARPROC>(corekit::platform::FindLibrarySymbol(m_module, functionName));
  m_functions.emplace(name, address);
  return address;
}

LONG TDLLFuncLoader::GetResult() const { return m_result; }

KString TDLLFuncLoader::GetDLLName() const { return m_dllName; }
