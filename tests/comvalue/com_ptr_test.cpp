#include "corekit/comvalue/com_ptr.h"

#include <gtest/gtest.h>

#include <string>

#include "corekit/comvalue/generic_value.h"
#include "tests/comvalue/test_values.h"

namespace {

using ValuePtr = TComPtr<IGenericValue>;

IGenericValue* AsValue(ScriptedValue& value) { return &value; }

// A value that also takes a site and sends events of the interface IID_IGenericValue through its
// one connection point, itself; it records the sink it connects and gives cookie 7.
class Component : public ScriptedValue,
                  public IObjectWithSite,
                  public IConnectionPointContainer,
                  public IConnectionPoint {
public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (iid == IID_IObjectWithSite) {
      *object = static_cast<IObjectWithSite*>(this);
    } else if (iid == IID_IConnectionPointContainer) {
      *object = static_cast<IConnectionPointContainer*>(this);
    } else {
      return ScriptedValue::QueryInterface(iid, object);
    }
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ScriptedValue::AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return ScriptedValue::Release(); }
  HRESULT STDMETHODCALLTYPE SetSite(IUnknown* newSite) override {
    site = newSite;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetSite(REFIID, void**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints**) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** found) override {
    *found = nullptr;
    if (!(iid == IID_IGenericValue))
      return static_cast<HRESULT>(0x80040200L);  // no such connection
    AddRef();
    *found = this;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer**) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Advise(IUnknown* newSink, DWORD* cookie) override {
    sink = newSink;
    *cookie = 7;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections**) override { return E_NOTIMPL; }

  IUnknown* site = nullptr;
  IUnknown* sink = nullptr;
};

TEST(ComPtr, CountsItsReferences) {
  ScriptedValue first;
  ScriptedValue second;
  {
    ValuePtr held(&first);
    ValuePtr copy(held);
    EXPECT_EQ(first.refs, 2);
    EXPECT_EQ(copy = &second, AsValue(second));
    EXPECT_EQ(first.refs, 1);
    copy = held;
    EXPECT_EQ(second.refs, 0);
    EXPECT_EQ(first.refs, 2);

    IGenericValue* out = nullptr;
    EXPECT_EQ(held.CopyTo(nullptr), E_POINTER);
    EXPECT_EQ(held.CopyTo(&out), S_OK);
    EXPECT_EQ(out, AsValue(first));
    EXPECT_EQ(first.refs, 3);

    copy.Attach(out);  // takes that reference over, lets its own go
    EXPECT_EQ(first.refs, 2);
    EXPECT_EQ(copy.Detach(), AsValue(first));
    EXPECT_TRUE(!copy);
    EXPECT_EQ(first.refs, 2);
    first.Release();
    held.Release();
    EXPECT_EQ(held.p, nullptr);
    held.Release();  // nothing held, nothing released
    EXPECT_EQ(first.refs, 0);
  }
  const ValuePtr fromZero(0);
  EXPECT_TRUE(!fromZero);
}

TEST(ComPtr, ReachesAndComparesTheRawPointer) {
  ScriptedValue value;
  ValuePtr held(&value), filled;
  _bin_value_descr descr{9, 9, 9};
  EXPECT_EQ(held->GetDescr(&descr), S_OK);
  EXPECT_EQ(descr, value.descr);
  EXPECT_EQ(&*held, AsValue(value));
  EXPECT_TRUE(held < AsValue(value) + 1 && !(held < AsValue(value)));
  EXPECT_EQ(held.CopyTo(&filled), S_OK);  // & gives the raw pointer's address
  EXPECT_TRUE(filled == AsValue(value));
}

TEST(ComPtr, IsEqualObjectComparesIdentities) {
  Component component;
  ScriptedValue other;
  IObjectWithSite* const sameObject = &component;
  const struct {
    const char* title;
    IGenericValue* held;
    IUnknown* compared;
    bool equal;
  } cases[] = {
      {"both null", nullptr, nullptr, true},
      {"held null", nullptr, sameObject, false},
      {"other null", &component, nullptr, false},
      {"same object through another interface", &component, sameObject, true},
      {"another object", &component, AsValue(other), false},
  };
  for (const auto& c : cases) {
    ValuePtr held(c.held);
    EXPECT_EQ(held.IsEqualObject(c.compared), c.equal) << c.title;
  }
  EXPECT_EQ(component.refs, 0);
  EXPECT_EQ(other.refs, 0);
}

TEST(ComPtr, SetSiteAndAdviseGoThroughTheObjectsInterfaces) {
  Component component;
  ScriptedValue plain;
  ScriptedValue site;
  DWORD cookie = 0;

  EXPECT_EQ(ValuePtr().SetSite(&site), E_POINTER);
  EXPECT_EQ(ValuePtr().Advise(&site, IID_IGenericValue, &cookie), E_INVALIDARG);
  EXPECT_EQ(ValuePtr(&plain).SetSite(&site), E_NOINTERFACE);
  EXPECT_EQ(ValuePtr(&plain).Advise(&site, IID_IGenericValue, &cookie), E_NOINTERFACE);

  ValuePtr held(&component);
  EXPECT_EQ(held.SetSite(&site), S_OK);
  EXPECT_EQ(component.site, AsValue(site));
  EXPECT_EQ(held.Advise(&site, IID_IUnknown, &cookie), static_cast<HRESULT>(0x80040200L));
  EXPECT_EQ(held.Advise(&site, IID_IGenericValue, &cookie), S_OK);
  EXPECT_EQ(cookie, 7u);
  EXPECT_EQ(component.sink, AsValue(site));
  EXPECT_EQ(component.refs, 1);  // the container and the point were let go
}

TEST(ComPtr, CreatesOnlyRegisteredClasses) {
#if defined(_WIN32)
  ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  const HRESULT unknownProgId = CO_E_CLASSSTRING;  // CLSIDFromProgID's answer
#else
  const HRESULT unknownProgId = REGDB_E_CLASSNOTREG;  // no component registry at all
#endif
  const CLSID unregistered{
      0x5D0C7E11, 0x2B4E, 0x4F0A, {0x9C, 0x51, 0x6E, 0x0B, 0x7A, 0x3D, 0x12, 0xF4}};
  const std::u16string progId = u"Corekit.NoSuchClass.1";
  ScriptedValue before;

  ValuePtr created(&before);
  EXPECT_EQ(created.CoCreateInstance(unregistered), REGDB_E_CLASSNOTREG);
  EXPECT_TRUE(!created);
  EXPECT_EQ(before.refs, 0);
  created = &before;
  const auto* const units = reinterpret_cast<const unsigned short*>(progId.c_str());
  EXPECT_EQ(created.CoCreateInstance(units, nullptr, CLSCTX_INPROC_SERVER), unknownProgId);
  EXPECT_TRUE(!created);
  EXPECT_EQ(before.refs, 0);
#if defined(_WIN32)
  CoUninitialize();
#endif
}

}  // namespace
