#include "corekit/streams/clipboard_stream.h"

#include <cstring>

#include "corekit/platform/clipboard.h"
#include "corekit/platform/global_memory.h"

namespace {

constexpr UINT MoveableZeroed = 0x42;  // GMEM_MOVEABLE | GMEM_ZEROINIT

}  // namespace

TClipboardStream::TClipboardStream(HWND owner, bool toClipboard)
    : m_owner(owner), m_toClipboard(toClipboard) {}

TClipboardStream::~TClipboardStream() = default;

LONG TClipboardStream::Write(const unsigned char* data, LONG count, bool flush) {
  if (data != nullptr && count > 0) m_chunks.emplace_back(data, data + count);
  if (!flush || m_chunks.empty()) return 0;

  std::size_t total = 0;
  for (const auto& chunk : m_chunks) total += chunk.size();
  // A block that cannot be made or locked is never written through; the text is dropped.
  HGLOBAL block = GlobalAlloc(MoveableZeroed, total + 1);
  auto* bytes = block != nullptr ? static_cast<unsigned char*>(GlobalLock(block)) : nullptr;
  if (bytes != nullptr) {
    for (const auto& chunk : m_chunks) {
      std::memcpy(bytes, chunk.data(), chunk.size());
      bytes += chunk.size();
    }
    *bytes = 0;
    GlobalUnlock(block);
  } else if (block != nullptr) {
    GlobalFree(block);
    block = nullptr;
  }
  m_chunks.clear();
  m_block = block;  // a block kept before is now the caller's alone
  if (m_toClipboard && m_block != nullptr) {
    corekit::platform::PutClipboardText(m_owner, m_block);  // the clipboard owns (or freed) it
    m_block = nullptr;
  }
  return 0;
}

void* TClipboardStream::GetMemHandle() const { return m_block; }
