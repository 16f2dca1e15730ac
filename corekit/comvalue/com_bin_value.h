#pragma once

#include "corekit/comvalue/bin_value.h"
#include "corekit/comvalue/com_ptr.h"
#include "corekit/comvalue/generic_value.h"
#include "corekit/export.h"

// A kx_com::bin_value that lives behind an IGenericValue: its four operations are answered by the
// interface it holds. It is also a TComPtr<IGenericValue> (construction, assignment, Attach, ->
// and the rest reach the held interface). Hold an interface before using the value operations;
// without one set_value returns E_POINTER and the getters their defaults.
//
//   TComBinValue value(received);      // an IGenericValue* from another module
//   value.set_value({5, 0, 1}, text, true);
//   int bytes = value.get_size();
//
// Buffers that the interface hands out as owned are kept while this object or a copy of it uses
// them, and freed once by the last one.
class COREKIT_API TComBinValue : public TComPtr<IGenericValue>, public kx_com::bin_value {
public:
  // Null interface.
  TComBinValue();
  // Holds value, adding a reference when it is not null.
  TComBinValue(IGenericValue* value);
  // Shares the other's interface (adding a reference) and its owned buffer.
  TComBinValue(const TComBinValue& other);
  // The interface first (the new one gains its reference before the old one is released), then
  // the owned buffer.
  TComBinValue& operator=(const TComBinValue& other);
  // TComPtr's assignment of an interface pointer.
  using TComPtr<IGenericValue>::operator=;
  // Releases the owned buffer, then the interface.
  ~TComBinValue();

  // SetValType(descr.type, descr.size), and when that answers 0, SetVal with the bytes (their
  // count by kx_com::byte_count, the block not owned). The first non-zero answer, else SetVal's.
  // descr.dims and store are not passed on.
  LONG set_value(const _bin_value_descr& descr, const unsigned char* bytes, bool store) override;
  // The interface's descriptor; the default descriptor when it gives none.
  _bin_value_descr get_type() const override;
  // The interface's bytes; an owned buffer is kept (the one kept before is let go), so the pointer
  // stays valid until the next owned get_data here, and while a copy still shares it.
  const unsigned char* get_data() const override;
  // The interface's byte count (INT_MAX for a larger one); an owned buffer that comes with it is
  // freed at once.
  int get_size() const override;

private:
  // A shared handle of a task-allocator buffer: copies share it, and the last one frees it.
  class TTaskMemHolder {
  public:
    TTaskMemHolder() noexcept = default;
    // Holds buffer (nothing for null).
    explicit TTaskMemHolder(void* buffer);
    TTaskMemHolder(const TTaskMemHolder& other) noexcept;
    TTaskMemHolder& operator=(const TTaskMemHolder& other) noexcept;
    ~TTaskMemHolder();

  private:
    struct Block {
      LONG count;
      void* buffer;
    };
    void Drop() noexcept;

    Block* m_block = nullptr;
  };

  mutable TTaskMemHolder m_owned;
};
