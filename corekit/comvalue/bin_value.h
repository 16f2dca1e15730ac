#pragma once

#include "corekit/comvalue/bin_value_descr.h"
#include "corekit/export.h"
#include "corekit/platform/interface_types.h"

namespace kx_com {

// A typed binary value: bytes and the descriptor that says what they are. Modules derive their
// values from it; TComBinValueImpl shows one to other modules as an IGenericValue, and
// TComBinValue is one that lives behind an IGenericValue. Values are never destroyed through this
// base, so it has no virtual destructor.
class COREKIT_API bin_value {
public:
  // Gives the value a new type and, when bytes is not null, new bytes whose count follows from
  // the descriptor (byte_count). 0 on success, else an HRESULT failure code. The library passes
  // false with null bytes when it sets only the type, true when it stores bytes.
  virtual LONG set_value(const _bin_value_descr& descr, const unsigned char* bytes, bool store) = 0;
  // The current descriptor.
  virtual _bin_value_descr get_type() const = 0;
  // The current bytes, or null; they stay the value's.
  virtual const unsigned char* get_data() const = 0;
  // The number of bytes at get_data().
  virtual int get_size() const = 0;

protected:
  // Made, copied and destroyed only as part of a derived value.
  bin_value() = default;
  bin_value(const bin_value&) = default;
  bin_value& operator=(const bin_value&) = default;
  ~bin_value() = default;
};

}  // namespace kx_com
