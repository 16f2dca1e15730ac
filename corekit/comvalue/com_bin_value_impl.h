#pragma once

#include "corekit/comvalue/bin_value.h"
#include "corekit/comvalue/generic_value.h"
#include "corekit/export.h"

// Shows a kx_com::bin_value to other modules as an IGenericValue. It neither owns nor copies the
// value, and counts no references (AddRef and Release return 1): keep it, and the value, alive
// for as long as any interface pointer handed out from it is used.
//
//   SurveyValue value;                 // a module's own bin_value
//   TComBinValueImpl shown(value);
//   other->Receive(&shown);            // an IGenericValue*
//
// Each method checks its arguments in a fixed order and returns the first failure; a refused
// call changes nothing.
class COREKIT_API TComBinValueImpl : public IGenericValue {
public:
  // Shows value, which must outlive the object.
  explicit TComBinValueImpl(kx_com::bin_value& value);
  // The copy shows the same value.
  TComBinValueImpl(const TComBinValueImpl& other);
  TComBinValueImpl& operator=(const TComBinValueImpl&) = delete;

  // IUnknown and IGenericValue: E_POINTER for a null out; the object for IUnknown's and
  // IGenericValue's ids, else null and E_NOINTERFACE.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  // The object is not counted (its owner ends it): both return 1.
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // The value's descriptor; E_POINTER for a null out.
  HRESULT STDMETHODCALLTYPE GetDescr(_bin_value_descr* descr) override;
  // Flags not 0: E_GV_UNSUPPORTED; null block: E_POINTER. Else the block borrows the value's
  // bytes (owned 0), with size 0 when the value's get_size is negative.
  HRESULT STDMETHODCALLTYPE GetVal(bin_value_block* block, ULONG flags) override;
  // Null want or block: E_POINTER; want->dims not 0: E_GV_UNSUPPORTED; another type, then another
  // size: E_GV_TYPEMISMATCH. Else as GetVal.
  HRESULT STDMETHODCALLTYPE GetValAndConvert(_bin_value_descr* want,
                                             bin_value_block* block) override;
  // Null target: E_POINTER; with check, a typed target of another type or size:
  // E_GV_TYPEMISMATCH; read flags not 0: E_GV_UNSUPPORTED. Then the target's SetValType (a
  // non-zero answer is returned) and SetVal with the borrowed bytes and the write flags.
  HRESULT STDMETHODCALLTYPE GetValToGeneric(IGenericValue* target, ULONG readFlags,
                                            ULONG writeFlags, int check) override;
  // The value's set_value({type, size, 1}, null, false).
  HRESULT STDMETHODCALLTYPE SetValType(ULONG type, ULONG size) override;
  // E_NOTIMPL: the dimension count stays.
  HRESULT STDMETHODCALLTYPE SetValDims(ULONG dims) override;
  // Flags not 0: E_GV_UNSUPPORTED; null block: E_POINTER (the caller keeps an owned buffer).
  // Else the value's set_value(its own descriptor, block->data, true); an owned buffer is freed
  // afterwards, whatever the answer.
  HRESULT STDMETHODCALLTYPE SetVal(bin_value_block* block, ULONG flags) override;

private:
  kx_com::bin_value& m_value;
};
