#include "corekit/comvalue/com_bin_value.h"

#include <climits>

#include "corekit/platform/task_memory.h"

TComBinValue::TTaskMemHolder::TTaskMemHolder(void* buffer)
    : m_block(buffer != nullptr ? new Block{1, buffer} : nullptr) {}

TComBinValue::TTaskMemHolder::TTaskMemHolder(const TTaskMemHolder& other) noexcept
    : m_block(other.m_block) {
  if (m_block != nullptr) ++m_block->count;
}

TComBinValue::TTaskMemHolder& TComBinValue::TTaskMemHolder::operator=(
    const TTaskMemHolder& other) noexcept {
  if (m_block == other.m_block) return *this;
  Drop();
  m_block = other.m_block;
  if (m_block != nullptr) ++m_block->count;
  return *this;
}

TComBinValue::TTaskMemHolder::~TTaskMemHolder() { Drop(); }

// Gives up this handle's share; the last one frees the buffer.
void TComBinValue::TTaskMemHolder::Drop() noexcept {
  if (m_block == nullptr) return;
  if (--m_block->count == 0) {
    corekit::platform::FreeTaskMemory(m_block->buffer);
    delete m_block;
  }
  m_block = nullptr;
}

TComBinValue::TComBinValue() = default;

TComBinValue::TComBinValue(IGenericValue* value) : TComPtr<IGenericValue>(value) {}

TComBinValue::TComBinValue(const TComBinValue& other)
    : TComPtr<IGenericValue>(other), kx_com::bin_value(other), m_owned(other.m_owned) {}

TComBinValue& TComBinValue::operator=(const TComBinValue& other) {
  Assign(other.p);
  m_owned = other.m_owned;
  return *this;
}

TComBinValue::~TComBinValue() = default;

LONG TComBinValue::set_value(const _bin_value_descr& descr, const unsigned char* bytes, bool) {
  if (p == nullptr) return E_POINTER;
  const HRESULT typed = p->SetValType(descr.type, descr.size);
  if (typed != S_OK) return typed;
  bin_value_block block{kx_com::byte_count(descr, bytes), 0, const_cast<unsigned char*>(bytes)};
  return p->SetVal(&block, 0);
}

_bin_value_descr TComBinValue::get_type() const {
  _bin_value_descr descr;
  if (p != nullptr) p->GetDescr(&descr);
  return descr;
}

const unsigned char* TComBinValue::get_data() const {
  bin_value_block block{0, 0, nullptr};
  if (p != nullptr) p->GetVal(&block, 0);
  if (block.owned != 0) m_owned = TTaskMemHolder(block.data);
  return block.data;
}

int TComBinValue::get_size() const {
  bin_value_block block{0, 0, nullptr};
  if (p != nullptr) p->GetVal(&block, 0);
  if (block.owned != 0) corekit::platform::FreeTaskMemory(block.data);
  return block.size > static_cast<ULONG>(INT_MAX) ? INT_MAX : static_cast<int>(block.size);
}
