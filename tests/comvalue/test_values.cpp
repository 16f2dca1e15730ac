#include "tests/comvalue/test_values.h"

#include <cstring>
#include <map>

#include "corekit/platform/task_allocator.h"
#include "corekit/platform/task_memory.h"

namespace {

std::map<const void*, int> g_frees;

void CountedFreeTaskMemory(void* block) noexcept {
  ++g_frees[block];
  corekit::platform::SystemFreeTaskMemory(block);
}

// The library's frees of task memory are counted for the whole program.
const corekit::platform::FreeTaskMemoryHook g_systemFree =
    corekit::platform::SetFreeTaskMemoryHook(&CountedFreeTaskMemory);

}  // namespace

int FreesOf(const void* block) {
  const auto found = g_frees.find(block);
  return found != g_frees.end() ? found->second : 0;
}

void ForgetFrees(const void* block) { g_frees.erase(block); }

bool operator==(const _bin_value_descr& left, const _bin_value_descr& right) {
  return left.type == right.type && left.size == right.size && left.dims == right.dims;
}

std::string WithZero(const char* text) { return std::string(text, std::strlen(text) + 1); }

LONG RecordedValue::set_value(const _bin_value_descr& descr, const unsigned char* bytes,
                              bool store) {
  const std::string given = bytes != nullptr ? std::string(reinterpret_cast<const char*>(bytes),
                                                           kx_com::byte_count(descr, bytes))
                                             : "";
  calls.push_back(Call{descr, bytes != nullptr, given, store});
  if (answer != 0) return answer;
  m_descr = descr;
  if (bytes != nullptr) m_bytes = given;
  return 0;
}

HRESULT STDMETHODCALLTYPE ScriptedValue::QueryInterface(REFIID iid, void** object) {
  if (iid == IID_IUnknown || iid == IID_IGenericValue) {
    AddRef();
    *object = static_cast<IGenericValue*>(this);
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE ScriptedValue::AddRef() {
  if (m_refLog != nullptr) m_refLog->push_back(m_name + " +1");
  return static_cast<ULONG>(++refs);
}

ULONG STDMETHODCALLTYPE ScriptedValue::Release() {
  if (m_refLog != nullptr) m_refLog->push_back(m_name + " -1");
  return static_cast<ULONG>(--refs);
}

HRESULT STDMETHODCALLTYPE ScriptedValue::GetDescr(_bin_value_descr* out) {
  calls.push_back("GetDescr");
  if (FAILED(descrAnswer)) return descrAnswer;
  *out = descr;
  return descrAnswer;
}

HRESULT STDMETHODCALLTYPE ScriptedValue::GetVal(bin_value_block* block, ULONG flags) {
  calls.push_back("GetVal " + std::to_string(flags));
  if (FAILED(getAnswer)) return getAnswer;
  block->size = static_cast<ULONG>(bytes.size());
  block->owned = handsOutOwned ? 1 : 0;
  block->data = reinterpret_cast<unsigned char*>(bytes.data());
  if (handsOutOwned) {
    block->data = static_cast<unsigned char*>(CoTaskMemAlloc(bytes.size()));
    std::memcpy(block->data, bytes.data(), bytes.size());
    handedOut.push_back(block->data);
    ForgetFrees(block->data);
  }
  return getAnswer;
}

HRESULT STDMETHODCALLTYPE ScriptedValue::SetValType(ULONG type, ULONG size) {
  calls.push_back("SetValType " + std::to_string(type) + " " + std::to_string(size));
  return typeAnswer;
}

HRESULT STDMETHODCALLTYPE ScriptedValue::SetVal(bin_value_block* block, ULONG flags) {
  const char* const text =
      block->data != nullptr ? reinterpret_cast<const char*>(block->data) : "null";
  calls.push_back("SetVal " + std::to_string(block->size) + (block->owned != 0 ? " owned" : "") +
                  " flags " + std::to_string(flags) + " " + text);
  return setAnswer;
}
