#pragma once

#include "corekit/export.h"

// KString: the library's byte string in the process's multibyte encoding. It holds a counted
// length and a terminating NUL, and has value semantics: copies share one reference-counted block
// until one of them is changed. An empty string allocates nothing.
class COREKIT_API KString {
public:
  KString() noexcept;
  // Copies the NUL-terminated text; a null pointer gives the empty string.
  KString(const char* text);
  // The count characters beginning at text + start; a null text or a count of 0 or less is empty.
  // KString("report.txt", 0, 6) is "report".
  KString(const char* text, int start, int count);
  KString(const KString& other) noexcept;
  KString(KString&& other) noexcept;
  ~KString();

  KString& operator=(const KString& other) noexcept;
  KString& operator=(KString&& other) noexcept;
  KString& operator=(const char* text);

  // The NUL-terminated characters, never null; valid until the string is next changed.
  operator const char*() const noexcept { return m_chars; }
  const char* GetString() const noexcept { return m_chars; }

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

  KString& operator+=(const char* text);
  KString& operator+=(const KString& other);
  KString& operator+=(char ch);

  // Replaces the contents with printf-style formatted text.
  void Format(const char* picture, ...)
#if defined(__GNUC__)
      __attribute__((format(printf, 2, 3)))
#endif
      ;

  // A writable buffer of at least minLength characters plus the NUL; ReleaseBuffer ends the edit and
  // sets the length (-1: up to the first NUL).
  char* GetBuffer(int minLength);
  void ReleaseBuffer(int newLength = -1);

  friend COREKIT_API KString operator+(const KString& left, const KString& right);
  friend COREKIT_API KString operator+(const KString& left, const char* right);
  friend COREKIT_API KString operator+(const char* left, const KString& right);
  friend COREKIT_API KString operator+(const KString& left, char right);

  friend COREKIT_API bool operator==(const KString& left, const KString& right) noexcept;
  friend bool operator==(const KString& left, const char* right) noexcept {
    return left.Compare(right) == 0;
  }
  friend bool operator<(const KString& left, const KString& right) noexcept {
    return left.Compare(right) < 0;
  }

private:
  void Assign(const char* text, int length);
  void Append(const char* text, int length);
  // Makes this string the sole owner of a block with room for capacity characters, keeping the
  // first keep characters.
  void Reserve(int capacity, int keep);
  static KString Concat(const char* left, int leftLength, const char* right, int rightLength);

  char* m_chars;
};
