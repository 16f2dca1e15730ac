#include "corekit/comvalue/com_bin_value_impl.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

#include "corekit/platform/task_allocator.h"
#include "tests/comvalue/test_values.h"

namespace {

static_assert(sizeof(GUID) == 16);
static_assert(offsetof(bin_value_block, size) == 0 && offsetof(bin_value_block, owned) == 4 &&
              offsetof(bin_value_block, data) == 8 && sizeof(bin_value_block) == 8 + sizeof(void*));

// The value behind every case: the string "abc" of variable size, 4 bytes with its zero.
const _bin_value_descr kText{5, 0, 1};

TEST(GenericValueInterface, IdAndResultCodesInMemory) {
  const unsigned char expected[16] = {0xA2, 0xCF, 0x9D, 0x29, 0xCB, 0x8A, 0xD5, 0x11,
                                      0x95, 0x94, 0x00, 0x50, 0xBA, 0xD8, 0x61, 0xC2};
  EXPECT_EQ(std::memcmp(&IID_IGenericValue, expected, 16), 0);
  const unsigned char unknown[16] = {0, 0, 0, 0, 0, 0, 0, 0, 0xC0, 0, 0, 0, 0, 0, 0, 0x46};
  EXPECT_EQ(std::memcmp(&IID_IUnknown, unknown, 16), 0);
  // The interfaces through which a smart pointer sets a site and connects a sink.
  EXPECT_TRUE(IID_IObjectWithSite ==
              (IID{0xFC4801A3, 0x2BA9, 0x11CF, {0xA2, 0x29, 0x00, 0xAA, 0x00, 0x3D, 0x73, 0x52}}));
  EXPECT_TRUE(IID_IConnectionPointContainer ==
              (IID{0xB196B284, 0xBAB4, 0x101A, {0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07}}));
  // The interface's result codes.
  const std::pair<HRESULT, DWORD> codes[] = {{E_NOTIMPL, 0x80004001},
                                             {E_NOINTERFACE, 0x80004002},
                                             {E_POINTER, 0x80004003},
                                             {E_GV_TYPEMISMATCH, 0x80040401},
                                             {E_GV_UNSUPPORTED, 0x80040502}};
  for (const auto& [code, value] : codes) EXPECT_EQ(DWORD(code), value);
}

// What a module built by another compiler does: it reads the object's function table and calls
// slot N as a plain function that takes the object first.
TEST(GenericValueInterface, SlotsAreCalledAsPlainFunctions) {
  RecordedValue value(kText, WithZero("abc"));
  TComBinValueImpl shown(value);
  IGenericValue* const object = &shown;
  void* const* const table = *reinterpret_cast<void* const* const*>(object);

  using GetDescrSlot = HRESULT(STDMETHODCALLTYPE*)(IGenericValue*, _bin_value_descr*);
  _bin_value_descr descr{9, 9, 9};
  EXPECT_EQ(reinterpret_cast<GetDescrSlot>(table[3])(object, &descr), S_OK);
  EXPECT_EQ(descr, kText);

  using SetValSlot = HRESULT(STDMETHODCALLTYPE*)(IGenericValue*, bin_value_block*, ULONG);
  bin_value_block bytes{2, 0, const_cast<unsigned char*>(Bytes("xy"))};
  EXPECT_EQ(reinterpret_cast<SetValSlot>(table[9])(object, &bytes, 0), S_OK);
  EXPECT_EQ(value.calls.at(0).bytes, WithZero("xy"));
}

// A block that no successful call leaves as it is.
const bin_value_block kUntouched{99, 99, nullptr};

bool SameBlock(const bin_value_block& left, const bin_value_block& right) {
  return left.size == right.size && left.owned == right.owned && left.data == right.data;
}

TEST(ComBinValueImpl, AnswersForItsTwoInterfacesOnly) {
  RecordedValue value(kText, WithZero("abc"));
  TComBinValueImpl shown(value);
  IID nearMiss = IID_IGenericValue;
  nearMiss.Data4[7] ^= 1;
  const struct {
    const IID* iid;
    HRESULT result;
  } cases[] = {{&IID_IUnknown, S_OK}, {&IID_IGenericValue, S_OK}, {&nearMiss, E_NOINTERFACE}};
  for (const auto& c : cases) {
    void* object = &value;
    EXPECT_EQ(shown.QueryInterface(*c.iid, &object), c.result);
    EXPECT_EQ(object,
              c.result == S_OK ? static_cast<void*>(static_cast<IGenericValue*>(&shown)) : nullptr);
  }
  EXPECT_EQ(shown.QueryInterface(IID_IUnknown, nullptr), E_POINTER);

  // References are not counted, and a copy shows the same value.
  EXPECT_EQ(shown.AddRef(), 1u);
  EXPECT_EQ(shown.Release(), 1u);
  EXPECT_EQ(shown.Release(), 1u);
  TComBinValueImpl copy(shown);
  EXPECT_EQ(copy.SetValType(7, 2), S_OK);
  EXPECT_EQ(value.get_type(), (_bin_value_descr{7, 2, 1}));
}

TEST(ComBinValueImpl, GettersCheckInOrder) {
  RecordedValue value(kText, WithZero("abc"));
  TComBinValueImpl shown(value);
  const bin_value_block borrowed{4, 0, const_cast<unsigned char*>(value.get_data())};

  EXPECT_EQ(shown.GetDescr(nullptr), E_POINTER);  // the slots' test reads the descriptor

  EXPECT_EQ(shown.GetVal(nullptr, 1), E_GV_UNSUPPORTED);  // the flags before the pointer
  bin_value_block lent = kUntouched;
  EXPECT_EQ(shown.GetVal(&lent, 1), E_GV_UNSUPPORTED);
  EXPECT_TRUE(SameBlock(lent, kUntouched));
  EXPECT_EQ(shown.GetVal(nullptr, 0), E_POINTER);
  EXPECT_EQ(shown.GetVal(&lent, 0), S_OK);
  EXPECT_TRUE(SameBlock(lent, borrowed));

  const struct {
    bool want;
    _bin_value_descr requested;
    bool block;
    HRESULT result;
  } convert[] = {
      {false, {5, 0, 0}, true, E_POINTER},
      {true, {5, 0, 0}, false, E_POINTER},
      {true, {9, 0, 1}, true, E_GV_UNSUPPORTED},  // dims is checked before the type
      {true, {9, 0, 0}, true, E_GV_TYPEMISMATCH},
      {true, {5, 4, 0}, true, E_GV_TYPEMISMATCH},
      {true, {5, 0, 0}, true, S_OK},
  };
  for (const auto& c : convert) {
    _bin_value_descr requested = c.requested;
    bin_value_block block = kUntouched;
    EXPECT_EQ(shown.GetValAndConvert(c.want ? &requested : nullptr, c.block ? &block : nullptr),
              c.result)
        << c.want << " " << c.requested.type << "/" << c.requested.size << "/" << c.requested.dims;
    EXPECT_TRUE(SameBlock(block, c.result == S_OK ? borrowed : kUntouched));
  }
  EXPECT_TRUE(value.calls.empty());
}

TEST(ComBinValueImpl, ANegativeSizeIsLentAsNone) {
  struct NegativeValue : RecordedValue {
    using RecordedValue::RecordedValue;
    int get_size() const override { return -5; }
  } value(kText, WithZero("abc"));
  TComBinValueImpl shown(value);
  bin_value_block block = kUntouched;
  EXPECT_EQ(shown.GetVal(&block, 0), S_OK);
  EXPECT_EQ(block.size, 0u);
}

TEST(TaskMemory, SizesNoMemoryCanHoldGiveNoBlock) {
  EXPECT_EQ(CoTaskMemAlloc(~SIZE_T{0} / 2 + 1), nullptr);
}

TEST(ComBinValueImpl, GetValToGenericChecksInOrder) {
  const struct {
    const char* title;
    bool target;
    _bin_value_descr targetType;
    HRESULT descrAnswer;
    ULONG readFlags;
    ULONG writeFlags;
    int check;
    HRESULT typeAnswer;
    HRESULT setAnswer;
    HRESULT result;
    std::vector<std::string> targetCalls;
  } cases[] = {
      // clang-format off
      {"no target", false, {}, S_OK, 1, 0, 1, S_OK, S_OK, E_POINTER, {}},
      {"other type", true, {7, 0, 1}, S_OK, 1, 0, 1, S_OK, S_OK, E_GV_TYPEMISMATCH, {"GetDescr"}},
      {"other size", true, {5, 8, 1}, S_OK, 0, 0, 1, S_OK, S_OK, E_GV_TYPEMISMATCH, {"GetDescr"}},
      {"untyped, read flags", true, {0, 3, 1}, S_OK, 1, 0, 1, S_OK, S_OK, E_GV_UNSUPPORTED,
       {"GetDescr"}},
      {"same type", true, {5, 0, 1}, S_OK, 0, 2, 1, S_OK, S_OK, S_OK,
       {"GetDescr", "SetValType 5 0", "SetVal 4 flags 2 abc"}},
      {"silent target", true, {7, 0, 1}, E_FAIL, 0, 0, 1, S_OK, S_OK, S_OK,
       {"GetDescr", "SetValType 5 0", "SetVal 4 flags 0 abc"}},
      {"type half refused", true, {}, S_OK, 0, 0, 0, S_FALSE, S_OK, S_FALSE, {"SetValType 5 0"}},
      {"unchecked, bytes refused", true, {7, 0, 1}, S_OK, 0, 3, 0, S_OK, E_GV_UNSUPPORTED, E_GV_UNSUPPORTED,
       {"SetValType 5 0", "SetVal 4 flags 3 abc"}},
      // clang-format on
  };
  for (const auto& c : cases) {
    RecordedValue value(kText, WithZero("abc"));
    TComBinValueImpl shown(value);
    ScriptedValue target;
    target.descr = c.targetType;
    target.descrAnswer = c.descrAnswer;
    target.typeAnswer = c.typeAnswer;
    target.setAnswer = c.setAnswer;
    EXPECT_EQ(
        shown.GetValToGeneric(c.target ? &target : nullptr, c.readFlags, c.writeFlags, c.check),
        c.result)
        << c.title;
    EXPECT_EQ(target.calls, c.targetCalls) << c.title;
    EXPECT_TRUE(value.calls.empty()) << c.title;
  }
}

TEST(ComBinValueImpl, SettersCheckInOrderAndFreeOwnedBytes) {
  const struct {
    const char* title;
    ULONG flags;
    bool block;
    bool owned;
    LONG valueAnswer;
    HRESULT result;
    bool reachesValue;
  } cases[] = {
      {"flags, no block", 1, false, false, 0, E_GV_UNSUPPORTED, false},
      {"flags, owned block", 1, true, true, 0, E_GV_UNSUPPORTED, false},
      {"no block", 0, false, false, 0, E_POINTER, false},
      {"borrowed", 0, true, false, 0, S_OK, true},
      {"owned", 0, true, true, 0, S_OK, true},
      {"owned, refused", 0, true, true, E_FAIL, E_FAIL, true},
  };
  for (const auto& c : cases) {
    RecordedValue value(kText, WithZero("abc"));
    value.answer = c.valueAnswer;
    TComBinValueImpl shown(value);
    auto* const bytes = static_cast<unsigned char*>(CoTaskMemAlloc(3));
    ForgetFrees(bytes);
    std::memcpy(bytes, "xy", 3);
    bin_value_block block{1, c.owned ? 1u : 0u, bytes};  // the size is not read

    EXPECT_EQ(shown.SetVal(c.block ? &block : nullptr, c.flags), c.result) << c.title;
    const auto expected =
        c.reachesValue ? std::vector<RecordedValue::Call>{{kText, true, WithZero("xy"), true}}
                       : std::vector<RecordedValue::Call>{};
    EXPECT_EQ(value.calls, expected) << c.title;
    // The receiver frees an owned block that reached the value, whatever the value answered.
    const bool freed = c.owned && c.reachesValue;
    EXPECT_EQ(FreesOf(bytes), freed ? 1 : 0) << c.title;
    if (!freed) CoTaskMemFree(bytes);
  }

  RecordedValue value(kText, WithZero("abc"));
  TComBinValueImpl shown(value);
  value.answer = E_GV_TYPEMISMATCH;
  EXPECT_EQ(shown.SetValType(7, 2), E_GV_TYPEMISMATCH);
  value.answer = 0;
  EXPECT_EQ(shown.SetValType(7, 2), S_OK);
  EXPECT_EQ(value.calls, (std::vector<RecordedValue::Call>{{{7, 2, 1}, false, "", false},
                                                           {{7, 2, 1}, false, "", false}}));
  EXPECT_EQ(shown.SetValDims(1), E_NOTIMPL);
}

}  // namespace
