#include "corekit/comvalue/com_bin_value_impl.h"

#include "corekit/platform/task_memory.h"

namespace {

// The block that lends out the value's own bytes; a negative size is lent as 0.
bin_value_block BorrowedBytes(const kx_com::bin_value& value) {
  const int size = value.get_size();
  return bin_value_block{size > 0 ? static_cast<ULONG>(size) : 0, 0,
                         const_cast<unsigned char*>(value.get_data())};
}

}  // namespace

TComBinValueImpl::TComBinValueImpl(kx_com::bin_value& value) : m_value(value) {}

TComBinValueImpl::TComBinValueImpl(const TComBinValueImpl& other)
    : IGenericValue(), m_value(other.m_value) {}

HRESULT STDMETHODCALLTYPE TComBinValueImpl::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IGenericValue) {
    AddRef();
    *object = static_cast<IGenericValue*>(this);
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE TComBinValueImpl::AddRef() { return 1; }

ULONG STDMETHODCALLTYPE TComBinValueImpl::Release() { return 1; }

HRESULT STDMETHODCALLTYPE TComBinValueImpl::GetDescr(_bin_value_descr* descr) {
  if (descr == nullptr) return E_POINTER;
  *descr = m_value.get_type();
  return S_OK;
}

HRESULT STDMETHODCALLTYPE TComBinValueImpl::GetVal(bin_value_block* block, ULONG flags) {
  if (flags != 0) return E_GV_UNSUPPORTED;
  if (block == nullptr) return E_POINTER;
  *block = BorrowedBytes(m_value);
  return S_OK;
}

HRESULT STDMETHODCALLTYPE TComBinValueImpl::GetValAndConvert(_bin_value_descr* want,
                                                             bin_value_block* block) {
  if (block == nullptr || want == nullptr) return E_POINTER;
  if (want->dims != 0) return E_GV_UNSUPPORTED;
  const _bin_value_descr own = m_value.get_type();
  if (want->type != own.type || want->size != own.size) return E_GV_TYPEMISMATCH;
  *block = BorrowedBytes(m_value);
  return S_OK;
}

HRESULT STDMETHODCALLTYPE TComBinValueImpl::GetValToGeneric(IGenericValue* target, ULONG readFlags,
                                                            ULONG writeFlags, int check) {
  if (target == nullptr) return E_POINTER;
  const _bin_value_descr own = m_value.get_type();
  if (check != 0) {
    // The target's answer is not examined: a target that gives nothing keeps the default, type 0,
    // which accepts any value.
    _bin_value_descr theirs;
    target->GetDescr(&theirs);
    if (theirs.type != 0 && (theirs.type != own.type || theirs.size != own.size))
      return E_GV_TYPEMISMATCH;
  }
  if (readFlags != 0) return E_GV_UNSUPPORTED;
  const HRESULT typed = target->SetValType(own.type, own.size);
  if (typed != S_OK) return typed;
  bin_value_block block = BorrowedBytes(m_value);
  return target->SetVal(&block, writeFlags);
}

HRESULT STDMETHODCALLTYPE TComBinValueImpl::SetValType(ULONG type, ULONG size) {
  return m_value.set_value(_bin_value_descr{type, size, 1}, nullptr, false);
}

HRESULT STDMETHODCALLTYPE TComBinValueImpl::SetValDims(ULONG) { return E_NOTIMPL; }

HRESULT STDMETHODCALLTYPE TComBinValueImpl::SetVal(bin_value_block* block, ULONG flags) {
  if (flags != 0) return E_GV_UNSUPPORTED;
  if (block == nullptr) return E_POINTER;
  const HRESULT result = m_value.set_value(m_value.get_type(), block->data, true);
  if (block->owned != 0) corekit::platform::FreeTaskMemory(block->data);
  return result;
}
