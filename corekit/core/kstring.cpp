#include "corekit/core/kstring.h"

#include <atomic>
#include <cstdarg>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <new>
#include <ostream>

namespace {

// The characters follow their block header directly. The shared empty block is never counted or
// freed; a block being edited through GetBuffer has one owner.
struct Block {
  std::atomic<int> refs;
  int length;
  int capacity;

  char* Chars() noexcept { return reinterpret_cast<char*>(this + 1); }
  bool IsShared() const noexcept { return refs.load(std::memory_order_acquire) != 1; }
};

// The empty string's block: constant-initialised, so it exists before any static constructor runs.
struct EmptyStorage {
  Block header{{-1}, 0, 0};
  char nul = 0;
};
static_assert(offsetof(EmptyStorage, nul) == sizeof(Block), "the characters follow the header");
constinit EmptyStorage g_empty;

Block* EmptyHeader() noexcept { return &g_empty.header; }

Block* BlockOf(const char* chars) noexcept {
  return reinterpret_cast<Block*>(const_cast<char*>(chars)) - 1;
}

void Release(Block* block) noexcept {
  if (block == EmptyHeader()) return;
  if (block->refs.fetch_sub(1, std::memory_order_acq_rel) == 1) ::operator delete(block);
}

void AddRef(Block* block) noexcept {
  if (block != EmptyHeader()) block->refs.fetch_add(1, std::memory_order_relaxed);
}

int TextLength(const char* text) noexcept { return text ? static_cast<int>(std::strlen(text)) : 0; }

}  // namespace


KString::KString() noexcept : m_chars(EmptyHeader()->Chars()) {}

KString::KString(const char* text) : KString() { Assign(text, TextLength(text)); }

KString::KString(const char* text, int start, int count) : KString() {
  if (text && count > 0) Assign(text + start, count);
}

KString::KString(const KString& other) noexcept : m_chars(other.m_chars) { AddRef(BlockOf(m_chars)); }

KString::KString(KString&& other) noexcept : m_chars(other.m_chars) {
  other.m_chars = EmptyHeader()->Chars();
}

KString::~KString() { Release(BlockOf(m_chars)); }

KString& KString::operator=(const KString& other) noexcept {
  if (m_chars != other.m_chars) {
    AddRef(BlockOf(other.m_chars));
    Release(BlockOf(m_chars));
    m_chars = other.m_chars;
  }
  return *this;
}

KString& KString::operator=(KString&& other) noexcept {
  if (this != &other) {
    Release(BlockOf(m_chars));
    m_chars = other.m_chars;
    other.m_chars = EmptyHeader()->Chars();
  }
  return *this;
}

KString& KString::operator=(const char* text) {
  Assign(text, TextLength(text));
  return *this;
}

int KString::GetLength() const noexcept { return BlockOf(m_chars)->length; }

void KString::Empty() noexcept {
  Release(BlockOf(m_chars));
  m_chars = EmptyHeader()->Chars();
}

void KString::Reserve(int capacity, int keep) {
  Block* old = BlockOf(m_chars);
  if (!old->IsShared() && old->capacity >= capacity) return;
  if (capacity < old->capacity) capacity = old->capacity;
  void* memory = ::operator new(sizeof(Block) + static_cast<std::size_t>(capacity) + 1);
  Block* block = new (memory) Block{{1}, keep, capacity};
  std::memcpy(block->Chars(), m_chars, static_cast<std::size_t>(keep));
  block->Chars()[keep] = '\0';
  Release(old);
  m_chars = block->Chars();
}

void KString::Assign(const char* text, int length) {
  if (length <= 0) {
    Empty();
    return;
  }
  // The source may lie inside this string's own characters: copy it out before replacing them.
  if (text >= m_chars && text <= m_chars + GetLength()) {
    *this = KString(text, 0, length);
    return;
  }
  Block* block = BlockOf(m_chars);
  if (block->IsShared() || block->capacity < length) {
    Release(block);
    m_chars = EmptyHeader()->Chars();
    Reserve(length, 0);
    block = BlockOf(m_chars);
  }
  std::memcpy(m_chars, text, static_cast<std::size_t>(length));
  m_chars[length] = '\0';
  block->length = length;
}

void KString::Append(const char* text, int length) {
  if (length <= 0) return;
  const int oldLength = GetLength();
  if (oldLength == 0) {
    Assign(text, length);
    return;
  }
  const int newLength = oldLength + length;
  Block* block = BlockOf(m_chars);
  // A source inside the block about to be replaced stays alive until it is copied.
  KString keepAlive;
  if (block->IsShared() || block->capacity < newLength) {
    if (text >= m_chars && text < m_chars + oldLength) keepAlive = *this;
    const int grown = block->capacity + block->capacity / 2;
    Reserve(newLength > grown ? newLength : grown, oldLength);
    block = BlockOf(m_chars);
  }
  std::memmove(m_chars + oldLength, text, static_cast<std::size_t>(length));
  m_chars[newLength] = '\0';
  block->length = newLength;
}

KString KString::Mid(int start, int count) const {
  const int length = GetLength();
  if (start < 0) start = 0;
  if (start > length) start = length;
  if (count == -1 || count > length - start) count = length - start;
  if (count <= 0) return KString();
  if (start == 0 && count == length) return *this;
  return KString(m_chars, start, count);
}

KString KString::Left(int count) const { return Mid(0, count < 0 ? 0 : count); }

KString KString::Right(int count) const {
  const int length = GetLength();
  if (count < 0) count = 0;
  if (count > length) count = length;
  return Mid(length - count, count);
}

int KString::Compare(const char* text) const noexcept { return std::strcmp(m_chars, text ? text : ""); }

int KString::CompareNoCase(const char* text) const noexcept {
  const unsigned char* left = reinterpret_cast<const unsigned char*>(m_chars);
  const unsigned char* right = reinterpret_cast<const unsigned char*>(text ? text : "");
  for (;; ++left, ++right) {
    const int a = (*left >= 'A' && *left <= 'Z') ? *left + ('a' - 'A') : *left;
    const int b = (*right >= 'A' && *right <= 'Z') ? *right + ('a' - 'A') : *right;
    if (a != b || a == 0) return a - b;
  }
}

int KString::Find(char ch, int start) const noexcept {
  const int length = GetLength();
  if (start < 0) start = 0;
  if (start >= length) return -1;
  const void* hit = std::memchr(m_chars + start, static_cast<unsigned char>(ch), static_cast<std::size_t>(length - start));
  return hit ? static_cast<int>(static_cast<const char*>(hit) - m_chars) : -1;
}

int KString::Find(const char* text, int start) const noexcept {
  const int length = GetLength();
  if (start < 0) start = 0;
  if (!text || start > length) return -1;
  const char* hit = std::strstr(m_chars + start, text);
  return hit ? static_cast<int>(hit - m_chars) : -1;
}

int KString::ReverseFind(char ch) const noexcept {
  for (int i = GetLength() - 1; i >= 0; --i) {
    if (m_chars[i] == ch) return i;
  }
  return -1;
}

int KString::Replace(const char* oldText, const char* newText) {
  const int oldLength = TextLength(oldText);
  if (oldLength == 0) return 0;
  const int newLength = TextLength(newText);
  int hits = 0;
  for (int at = Find(oldText); at >= 0; at = Find(oldText, at + oldLength)) ++hits;
  if (hits == 0) return 0;

  const int length = GetLength();
  KString result;
  result.Reserve(length + hits * (newLength - oldLength), 0);
  int from = 0;
  for (int at = Find(oldText); at >= 0; at = Find(oldText, at + oldLength)) {
    result.Append(m_chars + from, at - from);
    result.Append(newText, newLength);
    from = at + oldLength;
  }
  result.Append(m_chars + from, length - from);
  *this = static_cast<KString&&>(result);
  return hits;
}

KString& KString::operator+=(const char* text) {
  Append(text, TextLength(text));
  return *this;
}

KString& KString::operator+=(const KString& other) {
  if (IsEmpty()) return *this = other;
  Append(other.m_chars, other.GetLength());
  return *this;
}

KString& KString::operator+=(char ch) {
  Append(&ch, 1);
  return *this;
}

void KString::Format(const char* picture, ...) {
  if (!picture) {
    Empty();
    return;
  }
  std::va_list args;
  va_start(args, picture);
  std::va_list measure;
  va_copy(measure, args);
  const int length = std::vsnprintf(nullptr, 0, picture, measure);
  va_end(measure);
  if (length <= 0) {
    Empty();
  } else {
    Release(BlockOf(m_chars));
    m_chars = EmptyHeader()->Chars();
    Reserve(length, 0);
    std::vsnprintf(m_chars, static_cast<std::size_t>(length) + 1, picture, args);
    BlockOf(m_chars)->length = length;
  }
  va_end(args);
}

char* KString::GetBuffer(int minLength) {
  const int length = GetLength();
  Reserve(minLength > length ? minLength : length, length);
  return m_chars;
}

void KString::ReleaseBuffer(int newLength) {
  Block* block = BlockOf(m_chars);
  if (block == EmptyHeader()) return;
  if (newLength < 0) newLength = static_cast<int>(std::strlen(m_chars));
  if (newLength > block->capacity) newLength = block->capacity;
  block->length = newLength;
  m_chars[newLength] = '\0';
}

KString KString::Concat(const char* left, int leftLength, const char* right, int rightLength) {
  KString result;
  if (leftLength + rightLength > 0) {
    result.Reserve(leftLength + rightLength, 0);
    result.Append(left, leftLength);
    result.Append(right, rightLength);
  }
  return result;
}

KString operator+(const KString& left, const KString& right) {
  if (right.IsEmpty()) return left;
  if (left.IsEmpty()) return right;
  return KString::Concat(left.m_chars, left.GetLength(), right.m_chars, right.GetLength());
}

KString operator+(const KString& left, const char* right) {
  return KString::Concat(left.m_chars, left.GetLength(), right, TextLength(right));
}

KString operator+(const char* left, const KString& right) {
  return KString::Concat(left, TextLength(left), right.m_chars, right.GetLength());
}

KString operator+(const KString& left, char right) {
  return KString::Concat(left.m_chars, left.GetLength(), &right, 1);
}

bool operator==(const KString& left, const KString& right) noexcept {
  const int length = left.GetLength();
  return length == right.GetLength() &&
         std::memcmp(left.m_chars, right.m_chars, static_cast<std::size_t>(length)) == 0;
}

std::ostream& operator<<(std::ostream& stream, const KString& text) {
  return stream << std::string_view(text);
}
