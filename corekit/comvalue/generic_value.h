#pragma once

#include "corekit/comvalue/bin_value_descr.h"
#include "corekit/comvalue/com_ptr.h"
#include "corekit/export.h"
#include "corekit/platform/com_base.h"

// The type or size of a value differs from the one requested or from the target's.
#define E_GV_TYPEMISMATCH (static_cast<HRESULT>(0x80040401L))
// A flags argument is not 0, or a requested descriptor's dims is not 0.
#define E_GV_UNSUPPORTED (static_cast<HRESULT>(0x80040502L))

// {299DCFA2-8ACB-11D5-9594-0050BAD861C2}
inline constexpr IID IID_IGenericValue{
    0x299DCFA2, 0x8ACB, 0x11D5, {0x95, 0x94, 0x00, 0x50, 0xBA, 0xD8, 0x61, 0xC2}};

// A typed binary value as a COM interface, for passing values between modules. The methods keep
// this order in the function table, after IUnknown's three. Every failure is a returned HRESULT;
// a refused call leaves the value unchanged.
struct IGenericValue : IUnknown {
  // Copies the value's descriptor to *descr.
  virtual HRESULT STDMETHODCALLTYPE GetDescr(_bin_value_descr* descr) = 0;
  // Fills *block with the value's byte count and bytes; flags must be 0.
  virtual HRESULT STDMETHODCALLTYPE GetVal(bin_value_block* block, ULONG flags) = 0;
  // As GetVal, when the value has the requested type and size (want->dims must be 0); nothing is
  // converted.
  virtual HRESULT STDMETHODCALLTYPE GetValAndConvert(_bin_value_descr* want,
                                                     bin_value_block* block) = 0;
  // Stores this value's type and bytes into target. With check non-zero a typed target must have
  // this value's type and size.
  virtual HRESULT STDMETHODCALLTYPE GetValToGeneric(IGenericValue* target, ULONG readFlags,
                                                    ULONG writeFlags, int check) = 0;
  // Gives the value a new type (dims 1) without bytes.
  virtual HRESULT STDMETHODCALLTYPE SetValType(ULONG type, ULONG size) = 0;
  // Changes the dimension count.
  virtual HRESULT STDMETHODCALLTYPE SetValDims(ULONG dims) = 0;
  // Stores the block's bytes under the value's current type; flags must be 0. An owned block's
  // data passes to the receiver, which frees it once the value has its bytes.
  virtual HRESULT STDMETHODCALLTYPE SetVal(bin_value_block* block, ULONG flags) = 0;
};

// IGenericValue's id, for TComPtr<IGenericValue>::CoCreateInstance.
template <>
struct TComInterfaceId<IGenericValue> {
  // The interface's id.
  static const IID& Get() noexcept { return IID_IGenericValue; }
};

// The smart pointer of IGenericValue is instantiated once, in the library.
extern template class COREKIT_API TComPtrBase<IGenericValue>;
extern template class COREKIT_API TComPtr<IGenericValue>;
