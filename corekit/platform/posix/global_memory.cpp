#include "corekit/platform/global_memory.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>
#include <unordered_map>
#include <utility>

#include "corekit/platform/types.h"

namespace {

struct Block {
  void* bytes;
  SIZE_T size;
  unsigned locks;
};

// The live blocks by handle, so that a stale or foreign handle is refused rather than followed.
class BlockTable {
public:
  // Never destroyed: blocks may be freed by static destructors of any module at exit.
  static BlockTable& Instance() {
    static BlockTable* const table = new BlockTable;
    return *table;
  }

  HGLOBAL Add(SIZE_T size, bool zeroed) {
    // No object is larger than half the address space; such sizes are refused before malloc.
    if (size > static_cast<SIZE_T>(PTRDIFF_MAX)) return nullptr;
    void* bytes = zeroed ? std::calloc(size != 0 ? size : 1, 1) : std::malloc(size != 0 ? size : 1);
    if (bytes == nullptr) return nullptr;
    // The handle is an address of its own, so that nobody mistakes it for the bytes.
    auto* handle = new (std::nothrow) char;
    if (handle == nullptr) {
      std::free(bytes);
      return nullptr;
    }
    const std::lock_guard<std::mutex> guard(m_lock);
    m_blocks[handle] = Block{bytes, size, 0};
    return handle;
  }

  template <typename Action>
  auto With(HGLOBAL handle, Action action, decltype(action(std::declval<Block&>())) unknown) {
    const std::lock_guard<std::mutex> guard(m_lock);
    const auto found = m_blocks.find(handle);
    return found != m_blocks.end() ? action(found->second) : unknown;
  }

  bool Remove(HGLOBAL handle) {
    void* bytes = nullptr;
    {
      const std::lock_guard<std::mutex> guard(m_lock);
      const auto found = m_blocks.find(handle);
      if (found == m_blocks.end()) return false;
      bytes = found->second.bytes;
      m_blocks.erase(found);
    }
    std::free(bytes);
    delete static_cast<char*>(handle);
    return true;
  }

private:
  std::mutex m_lock;
  std::unordered_map<HGLOBAL, Block> m_blocks;
};

}  // namespace

HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes) {
  return BlockTable::Instance().Add(bytes, (flags & GMEM_ZEROINIT) != 0);
}

LPVOID GlobalLock(HGLOBAL block) {
  return BlockTable::Instance().With(
      block,
      [](Block& found) -> LPVOID {
        ++found.locks;
        return found.bytes;
      },
      nullptr);
}

BOOL GlobalUnlock(HGLOBAL block) {
  return BlockTable::Instance().With(
      block,
      [](Block& found) -> BOOL {
        if (found.locks > 0) --found.locks;
        return found.locks > 0 ? TRUE : FALSE;
      },
      FALSE);
}

SIZE_T GlobalSize(HGLOBAL block) {
  return BlockTable::Instance().With(
      block, [](Block& found) { return found.size; }, SIZE_T{0});
}

HGLOBAL GlobalFree(HGLOBAL block) { return BlockTable::Instance().Remove(block) ? nullptr : block; }
