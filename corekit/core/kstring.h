#pragma once

#include <climits>
#include <cstddef>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

#include "corekit/export.h"

// KString: the library's byte string in the process's multibyte encoding. It holds a counted
// length and a terminating NUL, and has value semantics: copies share one reference-counted block
// until one of them is changed. An empty string allocates nothing.
class COREKIT_API KString {
public:
  // The empty string.
  KString() noexcept;
  // Copies the NUL-terminated text; a null pointer gives the empty string.
  KString(const char* text);
  // The count characters beginning at text + start; a null text or a count of 0 or less is empty.
  // KString("report.txt", 0, 6) is "report".
  KString(const char* text, int start, int count);
  // The standard library's strings, byte for byte (at most INT_MAX bytes are taken).
  KString(std::string_view text) : KString(text.data(), 0, StdLength(text)) {}
  KString(const std::string& text) : KString(std::string_view(text)) {}
  // Copies share other's characters until one of them changes; a move leaves other empty.
  KString(const KString& other) noexcept;
  KString(KString&& other) noexcept;
  ~KString();

  // Replaces the contents with a copy of other (moved: taken over) or of the NUL-terminated text.
  KString& operator=(const KString& other) noexcept;
  KString& operator=(KString&& other) noexcept;
  KString& operator=(const char* text);

  // The NUL-terminated characters, never null; valid until the string is next changed.
  operator const char*() const noexcept { return m_chars; }
  const char* GetString() const noexcept { return m_chars; }
  // The characters as a view, embedded NULs included: std::string_view view = KString("a");
  // (a std::string is made directly: std::string text(view) or std::string(KString("a"))).
  operator std::string_view() const noexcept {
    return std::string_view(m_chars, static_cast<std::size_t>(GetLength()));
  }

  // True when the length is 0.
  bool IsEmpty() const noexcept { return GetLength() == 0; }
  // Length in bytes, not counting the terminating NUL.
  int GetLength() const noexcept;
  // Makes the string empty.
  void Empty() noexcept;

  // The byte at index; index must lie in 0 to GetLength() - 1.
  char GetAt(int index) const noexcept { return m_chars[index]; }
  char operator[](int index) const noexcept { return m_chars[index]; }

  // The count characters from start; a count of -1 means to the end. Out-of-range values are
  // clamped: KString("abcdef").Mid(2, -1) is "cdef", Mid(0, 3) is "abc", Mid(9, 1) is "".
  KString Mid(int start, int count = -1) const;
  // The first or last count characters (all of them if count exceeds the length).
  KString Left(int count) const;
  KString Right(int count) const;

  // Case-sensitive byte ordering against text: negative, zero or positive.
  int Compare(const char* text) const noexcept;
  // The same ordering with ASCII letters folded to lower case.
  int CompareNoCase(const char* text) const noexcept;

  // Index of the first ch or of the first occurrence of text at or after start; -1 if none.
  int Find(char ch, int start = 0) const noexcept;
  int Find(const char* text, int start = 0) const noexcept;
  // Index of the last ch; -1 if none.
  int ReverseFind(char ch) const noexcept;

  // Replaces every non-overlapping occurrence of oldText, left to right, and returns their number.
  // An empty or null oldText replaces nothing.
  int Replace(const char* oldText, const char* newText);

  // Appends the text, the string or the character.
  KString& operator+=(const char* text);
  KString& operator+=(const KString& other);
  KString& operator+=(char ch);

  // Replaces the contents with printf-style formatted text.
  void Format(const char* picture, ...)
#if defined(__GNUC__)
      __attribute__((format(printf, 2, 3)))
#endif
      ;

  // A writable buffer of at least minLength characters plus the NUL; ReleaseBuffer ends the edit
  // and sets the length (-1: up to the first NUL).
  char* GetBuffer(int minLength);
  void ReleaseBuffer(int newLength = -1);

  // A new string of left followed by right.
  friend COREKIT_API KString operator+(const KString& left, const KString& right);
  friend COREKIT_API KString operator+(const KString& left, const char* right);
  friend COREKIT_API KString operator+(const char* left, const KString& right);
  friend COREKIT_API KString operator+(const KString& left, char right);

  // Byte-for-byte equality, as Compare.
  friend COREKIT_API bool operator==(const KString& left, const KString& right) noexcept;
  friend bool operator==(const KString& left, const char* right) noexcept {
    return left.Compare(right) == 0;
  }
  // Compare's order, for sorted containers.
  friend bool operator<(const KString& left, const KString& right) noexcept {
    return left.Compare(right) < 0;
  }
  // Byte-for-byte equality with the standard library's strings, either way round.
  friend bool operator==(const KString& left, std::string_view right) noexcept {
    return std::string_view(left) == right;
  }
  friend bool operator==(const KString& left, const std::string& right) noexcept {
    return std::string_view(left) == right;
  }
  // Writes the string as std::string_view does (width and fill apply; an embedded NUL too).
  friend COREKIT_API std::ostream& operator<<(std::ostream& stream, const KString& text);

private:
  static int StdLength(std::string_view text) noexcept {
    return text.size() > static_cast<std::size_t>(INT_MAX) ? INT_MAX
                                                           : static_cast<int>(text.size());
  }
  void Assign(const char* text, int length);
  void Append(const char* text, int length);
  // Makes this string the sole owner of a block with room for capacity characters, keeping the
  // first keep characters.
  void Reserve(int capacity, int keep);
  static KString Concat(const char* left, int leftLength, const char* right, int rightLength);

  char* m_chars;
};

// KString as a key of the standard library's unordered containers: the hash of its bytes.
template <>
struct std::hash<KString> {
  // The hash of the string's bytes, as std::hash<std::string_view> gives it.
  std::size_t operator()(const KString& text) const noexcept {
    return std::hash<std::string_view>()(text);
  }
};
