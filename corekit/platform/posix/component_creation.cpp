#include "corekit/platform/component_creation.h"

HRESULT CoCreateInstance(REFCLSID, IUnknown*, DWORD, REFIID, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  return REGDB_E_CLASSNOTREG;
}

HRESULT CLSIDFromProgID(LPCOLESTR progId, CLSID* clsid) {
  if (progId == nullptr || clsid == nullptr) return E_INVALIDARG;
  *clsid = CLSID{};
  return REGDB_E_CLASSNOTREG;
}
