#pragma once

#include <memory>
#include <vector>

#include "corekit/export.h"
#include "corekit/platform/interface_types.h"
#include "corekit/streams/abstract_stream.h"

// A stream that collects the text written to it and, at a write with flush, joins it into one
// zero-terminated block of global memory: put on the clipboard as plain text, or kept for the
// caller (GetMemHandle). It neither reads nor seeks.
class COREKIT_API TClipboardStream : public TAbstractStream {
public:
  // owner is the window the clipboard is opened for; toClipboard false keeps the blocks instead.
  TClipboardStream(HWND owner, bool toClipboard);
  // Frees what was collected and not finished; a kept block belongs to the caller.
  ~TClipboardStream() override;
  TClipboardStream(const TClipboardStream&) = delete;
  TClipboardStream& operator=(const TClipboardStream&) = delete;

  // Collects the bytes (one piece per call; none for null data or a count of 0 or less); with
  // flush, finishes: joins the pieces and a zero byte into a new block and puts it on the clipboard
  // or keeps it. Nothing collected, nothing finished. A block that cannot be allocated or locked
  // drops the text and keeps nothing. Always 0.
  LONG Write(const unsigned char* data, LONG count, bool flush) override;

  // The block of the last finishing write in keeping mode, or null. The caller owns it: it locks,
  // reads and frees it with the global memory functions (GlobalLock, GlobalSize, GlobalFree).
  void* GetMemHandle() const;

private:
  std::vector<std::vector<unsigned char>> m_chunks;
  HWND m_owner;
  bool m_toClipboard;
  HGLOBAL m_block = nullptr;
};
