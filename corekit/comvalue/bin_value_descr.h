#pragma once

#include <cstring>

#include "corekit/platform/interface_types.h"

// What the bytes of a typed binary value are. Type 0 is an untyped (empty) value, type 5 a
// zero-terminated character string; every other code belongs to the modules that exchange values.
// A descriptor made by default is the default descriptor: type 0, size 0, dims 1.
struct _bin_value_descr {
  ULONG type = 0;  // type code
  ULONG size = 0;  // bytes of one value of the type; 0 = variable size
  ULONG dims = 1;  // dimension count
};

// The bytes of a value as IGenericValue hands them over. With owned non-zero the receiver frees
// data with CoTaskMemFree; with owned 0 the bytes belong to the object that filled the block and
// stay valid while it lives and its value is unchanged.
struct __MIDL___MIDL_itf_GenericValue_0000_0001 {
  ULONG size;           // bytes at data
  ULONG owned;          // non-zero: data is the receiver's to free
  unsigned char* data;  // the bytes, or null
};
// The readable name of the data block.
using bin_value_block = __MIDL___MIDL_itf_GenericValue_0000_0001;

namespace kx_com {

// The number of bytes of a value with this descriptor and data: the descriptor's size, except
// for a variable-size string (type 5, size 0), which counts its terminating zero; 0 without data.
//   byte_count({5, 0, 1}, "abc") is 4, byte_count({5, 8, 1}, "abc") is 8.
inline ULONG byte_count(const _bin_value_descr& descr, const unsigned char* data) noexcept {
  if (data == nullptr) return 0;
  if (descr.type != 5 || descr.size != 0) return descr.size;
  return static_cast<ULONG>(std::strlen(reinterpret_cast<const char*>(data)) + 1);
}

}  // namespace kx_com
