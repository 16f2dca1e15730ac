#include "corekit/comvalue/com_bin_value.h"

#include <gtest/gtest.h>

#include <memory>

#include "tests/comvalue/test_values.h"

namespace {

TEST(ComBinValue, SetValueSendsTheTypeThenTheByteCount) {
  const unsigned char* const abc = Bytes("abc\0\0\0\0");  // room for a fixed size of 8
  const struct {
    const char* title;
    _bin_value_descr descr;
    const unsigned char* bytes;
    HRESULT typeAnswer;
    HRESULT setAnswer;
    LONG result;
    std::vector<std::string> calls;
  } cases[] = {
      // clang-format off
      {"string", {5, 0, 1}, abc, S_OK, S_OK, 0, {"SetValType 5 0", "SetVal 4 flags 0 abc"}},
      {"fixed size", {5, 8, 1}, abc, S_OK, S_OK, 0, {"SetValType 5 8", "SetVal 8 flags 0 abc"}},
      {"no bytes", {5, 8, 1}, nullptr, S_OK, S_OK, 0, {"SetValType 5 8", "SetVal 0 flags 0 null"}},
      {"other type", {7, 0, 1}, abc, S_OK, S_OK, 0, {"SetValType 7 0", "SetVal 0 flags 0 abc"}},
      {"type half refused", {5, 0, 1}, abc, S_FALSE, S_OK, S_FALSE, {"SetValType 5 0"}},
      {"bytes refused", {5, 0, 1}, abc, S_OK, E_GV_TYPEMISMATCH, E_GV_TYPEMISMATCH,
       {"SetValType 5 0", "SetVal 4 flags 0 abc"}},
      // clang-format on
  };
  for (const auto& c : cases) {
    ScriptedValue target;
    target.typeAnswer = c.typeAnswer;
    target.setAnswer = c.setAnswer;
    TComBinValue value(&target);
    EXPECT_EQ(value.set_value(c.descr, c.bytes, true), c.result) << c.title;
    EXPECT_EQ(target.calls, c.calls) << c.title;
  }
}

TEST(ComBinValue, GettersReadTheInterfaceOrGiveDefaults) {
  ScriptedValue working, failing;
  working.descr = failing.descr = {5, 0, 1};
  working.bytes = failing.bytes = "abc";
  failing.descrAnswer = failing.getAnswer = E_FAIL;
  const TComBinValue read(&working);
  EXPECT_EQ(read.get_type(), working.descr);
  EXPECT_EQ(read.get_data(), Bytes(working.bytes.data()));  // borrowed, not copied
  EXPECT_EQ(read.get_size(), 3);
  const struct {
    const char* title;
    IGenericValue* held;
  } cases[] = {{"failing", &failing}, {"null", nullptr}};
  for (const auto& c : cases) {
    TComBinValue value(c.held);
    EXPECT_EQ(value.get_type(), (_bin_value_descr{0, 0, 1})) << c.title;
    EXPECT_EQ(value.get_data(), nullptr) << c.title;
    EXPECT_EQ(value.get_size(), 0) << c.title;
  }
  EXPECT_EQ(TComBinValue().set_value({5, 0, 1}, Bytes("abc"), true), E_POINTER);
}

TEST(ComBinValue, SizesBeyondIntStopAtItsLargest) {
  struct HugeValue : ScriptedValue {
    HRESULT STDMETHODCALLTYPE GetVal(bin_value_block* block, ULONG flags) override {
      const HRESULT result = ScriptedValue::GetVal(block, flags);
      block->size = 0xFFFFFFF0u;
      return result;
    }
  } huge;
  EXPECT_EQ(TComBinValue(&huge).get_size(), 0x7FFFFFFF);
}

class OwnedBuffers : public ::testing::Test {
protected:
  OwnedBuffers() {
    source.bytes = "abc";
    source.handsOutOwned = true;
  }
  // The n-th block the source handed out.
  void* Block(std::size_t n) const { return source.handedOut.at(n); }

  ScriptedValue source;
};

TEST_F(OwnedBuffers, SizeFreesAtOnceAndDataKeepsTheBuffer) {
  TComBinValue value(&source);
  EXPECT_EQ(value.get_size(), 3);
  EXPECT_EQ(FreesOf(Block(0)), 1);

  const unsigned char* const first = value.get_data();
  EXPECT_EQ(first, Block(1));
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(first), 3), "abc");
  EXPECT_EQ(FreesOf(Block(1)), 0);
  // The next owned buffer replaces the kept one.
  const unsigned char* const second = value.get_data();
  EXPECT_EQ(second, Block(2));
  EXPECT_EQ(FreesOf(Block(1)), 1);
  EXPECT_EQ(FreesOf(Block(2)), 0);
}

TEST_F(OwnedBuffers, CopiesFreeTheSharedBufferOnce) {
  auto original = std::make_unique<TComBinValue>(&source);
  original->get_data();
  auto copy = std::make_unique<TComBinValue>(*original);
  TComBinValue assigned;
  assigned = *copy;
  assigned = assigned;
  EXPECT_EQ(source.refs, 3);

  original.reset();
  copy.reset();
  EXPECT_EQ(FreesOf(Block(0)), 0);
  EXPECT_EQ(source.refs, 1);
  assigned.get_data();  // the last holder moves on to a new buffer
  EXPECT_EQ(FreesOf(Block(0)), 1);
  assigned = TComBinValue();
  EXPECT_EQ(FreesOf(Block(1)), 1);
  EXPECT_EQ(source.refs, 0);
}

TEST(ComBinValue, AssignmentTakesTheNewReferenceFirst) {
  std::vector<std::string> log;
  ScriptedValue first("first", &log);
  ScriptedValue second("second", &log);
  {
    TComBinValue value(&first);
    const TComBinValue other(&second);
    log.clear();
    value = other;
    EXPECT_EQ(log, (std::vector<std::string>{"second +1", "first -1"}));
    EXPECT_EQ(value, static_cast<IGenericValue*>(&second));
    // Raw pointers assign through the smart pointer's own operator.
    log.clear();
    EXPECT_EQ(value = &first, static_cast<IGenericValue*>(&first));
    EXPECT_EQ(log, (std::vector<std::string>{"first +1", "second -1"}));
  }
  EXPECT_EQ(first.refs, 0);
  EXPECT_EQ(second.refs, 0);
}

}  // namespace
