#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

#include "corekit/comvalue/com_bin_value_impl.h"
#include "tests/comvalue/test_values.h"

namespace {

static_assert(sizeof(_bin_value_descr) == 12);
static_assert(sizeof(GUID) == 16);
static_assert(offsetof(bin_value_block, size) == 0 && offsetof(bin_value_block, owned) == 4 &&
              offsetof(bin_value_block, data) == 8 && sizeof(bin_value_block) == 8 + sizeof(void*));

TEST(BinValueDescr, DefaultAndByteCount) {
  EXPECT_EQ(_bin_value_descr{}, (_bin_value_descr{0, 0, 1}));

  const unsigned char* const abc = Bytes("abc");
  const struct {
    _bin_value_descr descr;
    const unsigned char* data;
    ULONG count;
  } cases[] = {
      {{5, 0, 1}, abc, 4},      // a variable-size string counts its terminating zero
      {{5, 8, 1}, abc, 8},      // a fixed size wins over the string's length
      {{5, 0, 1}, nullptr, 0},  // no data, no bytes
      {{7, 0, 1}, abc, 0},      // other types take the descriptor's size, even 0
      {{7, 12, 3}, abc, 12},   {{0, 0, 1}, abc, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(kx_com::byte_count(c.descr, c.data), c.count) << c.descr.type << "/" << c.descr.size;
  }
}

TEST(GenericValueInterface, IdInMemory) {
  const unsigned char expected[16] = {0xA2, 0xCF, 0x9D, 0x29, 0xCB, 0x8A, 0xD5, 0x11,
                                      0x95, 0x94, 0x00, 0x50, 0xBA, 0xD8, 0x61, 0xC2};
  EXPECT_EQ(std::memcmp(&IID_IGenericValue, expected, 16), 0);
  const unsigned char unknown[16] = {0, 0, 0, 0, 0, 0, 0, 0, 0xC0, 0, 0, 0, 0, 0, 0, 0x46};
  EXPECT_EQ(std::memcmp(&IID_IUnknown, unknown, 16), 0);
}

// What a module built by another compiler does: it reads the object's function table and calls
// slot N as a plain function that takes the object first.
TEST(GenericValueInterface, SlotsAreCalledAsPlainFunctions) {
  RecordedValue value({5, 0, 1}, WithZero("abc"));
  TComBinValueImpl shown(value);
  IGenericValue* const object = &shown;
  void* const* const table = *reinterpret_cast<void* const* const*>(object);

  using QueryInterfaceSlot = HRESULT(STDMETHODCALLTYPE*)(IGenericValue*, const IID*, void**);
  void* found = nullptr;
  EXPECT_EQ(reinterpret_cast<QueryInterfaceSlot>(table[0])(object, &IID_IGenericValue, &found),
            S_OK);
  EXPECT_EQ(found, object);

  using GetDescrSlot = HRESULT(STDMETHODCALLTYPE*)(IGenericValue*, _bin_value_descr*);
  _bin_value_descr descr{9, 9, 9};
  EXPECT_EQ(reinterpret_cast<GetDescrSlot>(table[3])(object, &descr), S_OK);
  EXPECT_EQ(descr, (_bin_value_descr{5, 0, 1}));

  using SetValSlot = HRESULT(STDMETHODCALLTYPE*)(IGenericValue*, bin_value_block*, ULONG);
  bin_value_block bytes{2, 0, const_cast<unsigned char*>(Bytes("xy"))};
  EXPECT_EQ(reinterpret_cast<SetValSlot>(table[9])(object, &bytes, 0), S_OK);
  EXPECT_EQ(value.calls.at(0).bytes, WithZero("xy"));
}

}  // namespace
