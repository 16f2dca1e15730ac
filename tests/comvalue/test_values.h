#pragma once

// The values and COM objects that the value tests work with, and the frees of task memory that the
// library makes.

#include <ostream>
#include <string>
#include <vector>

#include "corekit/comvalue/bin_value.h"
#include "corekit/comvalue/generic_value.h"
#include "tests/support/text_bytes.h"

bool operator==(const _bin_value_descr& left, const _bin_value_descr& right);

// How often the library has freed the task-memory block at this address (this program hooks
// FreeTaskMemory). A test that hands out a new block forgets the address's past.
int FreesOf(const void* block);
void ForgetFrees(const void* block);

// The bytes of a text with its terminating zero.
std::string WithZero(const char* text);

// A value that keeps its type and bytes and records every set_value call. A non-zero answer
// refuses the call and changes nothing.
class RecordedValue : public kx_com::bin_value {
public:
  struct Call {
    _bin_value_descr descr;
    bool hasBytes;
    std::string bytes;
    bool store;
    friend bool operator==(const Call&, const Call&) = default;
  };

  RecordedValue(_bin_value_descr descr, std::string bytes)
      : m_descr(descr), m_bytes(std::move(bytes)) {}

  LONG set_value(const _bin_value_descr& descr, const unsigned char* bytes, bool store) override;
  _bin_value_descr get_type() const override { return m_descr; }
  const unsigned char* get_data() const override { return Bytes(m_bytes.c_str()); }
  int get_size() const override { return static_cast<int>(m_bytes.size()); }

  LONG answer = 0;
  std::vector<Call> calls;

private:
  _bin_value_descr m_descr;
  std::string m_bytes;
};

// An IGenericValue with scripted answers, as another module's value would be: it records the calls
// it receives in calls ("SetValType 5 0", "SetVal 4 flags 0 abc") and counts references in refs,
// noting "<name> +1" and "<name> -1" in refLog when one is given. GetVal hands out the bytes either
// borrowed or, with handsOutOwned, as a new owned block each time (listed in handedOut).
class ScriptedValue : public IGenericValue {
public:
  explicit ScriptedValue(std::string name = "value", std::vector<std::string>* refLog = nullptr)
      : m_name(std::move(name)), m_refLog(refLog) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetDescr(_bin_value_descr* out) override;
  HRESULT STDMETHODCALLTYPE GetVal(bin_value_block* block, ULONG flags) override;
  HRESULT STDMETHODCALLTYPE GetValAndConvert(_bin_value_descr*, bin_value_block*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetValToGeneric(IGenericValue*, ULONG, ULONG, int) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetValType(ULONG type, ULONG size) override;
  HRESULT STDMETHODCALLTYPE SetValDims(ULONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetVal(bin_value_block* block, ULONG flags) override;

  _bin_value_descr descr;
  std::string bytes;
  bool handsOutOwned = false;
  HRESULT descrAnswer = S_OK;
  HRESULT getAnswer = S_OK;
  HRESULT typeAnswer = S_OK;
  HRESULT setAnswer = S_OK;

  std::vector<std::string> calls;
  std::vector<void*> handedOut;
  int refs = 0;

private:
  std::string m_name;
  std::vector<std::string>* m_refLog;
};
