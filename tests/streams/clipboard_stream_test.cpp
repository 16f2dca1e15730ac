#include "corekit/streams/clipboard_stream.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "corekit/platform/clipboard.h"
#include "corekit/platform/global_memory.h"
#include "tests/support/text_bytes.h"

#if !defined(_WIN32)
#include "tests/support/environment_scope.h"
#endif

namespace {

// The bytes of a kept block, freed afterwards as its new owner must.
std::string TakeBlock(void* handle) {
  std::string bytes;
  if (void* data = GlobalLock(handle)) {
    bytes.assign(static_cast<const char*>(data), GlobalSize(handle));
    GlobalUnlock(handle);
  }
  EXPECT_EQ(GlobalFree(handle), nullptr);
  return bytes;
}

TEST(ClipboardStream, KeepsOneZeroTerminatedBlockPerFinishingWrite) {
  TClipboardStream stream(nullptr, false);
  EXPECT_EQ(stream.Write(Bytes("ab"), 2, false), 0);
  EXPECT_EQ(stream.GetMemHandle(), nullptr);
  EXPECT_EQ(stream.Write(Bytes("cd"), 2, true), 0);
  void* const first = stream.GetMemHandle();
  ASSERT_NE(first, nullptr);
  // Finishing with nothing collected, and pieces that are no pieces, change nothing.
  EXPECT_EQ(stream.Write(nullptr, 0, true), 0);
  EXPECT_EQ(stream.Write(nullptr, 5, true), 0);
  EXPECT_EQ(stream.Write(Bytes("x"), -1, true), 0);
  EXPECT_EQ(stream.GetMemHandle(), first);
  EXPECT_EQ(TakeBlock(first), std::string("abcd\0", 5));
  // The next text gets a block of its own.
  stream.Write(Bytes("e\0f"), 3, true);
  void* const second = stream.GetMemHandle();
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(TakeBlock(second), std::string("e\0f\0", 4));
}

TEST(ClipboardStream, UnfinishedTextIsDroppedAndOnlyWritingIsSupported) {
  {
    TClipboardStream stream(nullptr, true);
    stream.Write(Bytes("never finished"), 14, false);
    EXPECT_EQ(stream.GetMemHandle(), nullptr);
  }
#if !defined(_WIN32)
  {
    // Without a desktop there is no clipboard: a finished text is dropped, and no handle kept.
    const EnvironmentScope noX("DISPLAY", nullptr), noWayland("WAYLAND_DISPLAY", nullptr);
    TClipboardStream stream(nullptr, true);
    EXPECT_EQ(stream.Write(Bytes("dropped"), 7, true), 0);
    EXPECT_EQ(stream.GetMemHandle(), nullptr);
  }
#endif
  TClipboardStream stream(nullptr, false);
  unsigned char data[4];
  LONG done = 0;
  EXPECT_EQ(stream.Read(data, 4, &done), E_NOTIMPL);
  EXPECT_EQ(stream.Seek(0, 0), E_NOTIMPL);
  EXPECT_EQ(stream.GetPosition(), 0);
}

TEST(GlobalMemory, BlocksAreReachedOnlyThroughTheirHandles) {
  HGLOBAL block = GlobalAlloc(0x42, 3);  // the kept blocks' test reads sizes
  auto* bytes = static_cast<unsigned char*>(GlobalLock(block));
  ASSERT_NE(bytes, nullptr);
  EXPECT_EQ(bytes[0] | bytes[1] | bytes[2], 0);  // zero-filled
  EXPECT_EQ(GlobalUnlock(block), FALSE);
  EXPECT_EQ(GlobalFree(block), nullptr);
  // Sizes no memory can hold give no block.
  EXPECT_EQ(GlobalAlloc(0x42, ~SIZE_T{0} / 2 + 1), nullptr);
}

// Needs a desktop with a clipboard: under ./dev test a virtual X server with xclip on POSIX
// (COREKIT_CLIPBOARD_TEST set), Wine's clipboard on Windows.
TEST(ClipboardStream, PutsTheJoinedTextOnTheClipboard) {
#if !defined(_WIN32)
  if (std::getenv("COREKIT_CLIPBOARD_TEST") == nullptr)
    GTEST_SKIP() << "no desktop clipboard to test with";
#endif
  TClipboardStream stream(nullptr, true);
  stream.Write(Bytes("corekit "), 8, false);
  stream.Write(Bytes("clipboard "), 10, false);
  stream.Write(Bytes("text"), 4, true);
  EXPECT_EQ(stream.GetMemHandle(), nullptr);
  std::string text;
  ASSERT_TRUE(corekit::platform::ReadClipboardText(text));
  EXPECT_EQ(text, "corekit clipboard text");
  // A second text replaces the first, up to a zero byte inside it.
  stream.Write(Bytes("second\0hidden"), 13, true);
  ASSERT_TRUE(corekit::platform::ReadClipboardText(text));
  EXPECT_EQ(text, "second");
}

}  // namespace
