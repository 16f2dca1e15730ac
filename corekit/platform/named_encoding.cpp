#include "corekit/platform/named_encoding.h"

#include <string>
#include <string_view>

namespace corekit::platform {
namespace {

// Encoding names in the form they are compared in: lowercase, without "-" and "_".
std::string Folded(const char* name) {
  std::string folded;
  for (; *name != '\0'; ++name) {
    const char c = *name;
    if (c == '-' || c == '_') continue;
    folded += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  }
  return folded;
}

// The number that text is, when it is only digits (at most nine); 0 otherwise.
unsigned Digits(std::string_view text) {
  if (text.empty() || text.size() > 9) return 0;
  unsigned number = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return 0;
    number = number * 10 + static_cast<unsigned>(c - '0');
  }
  return number;
}

// The code pages with a name of their own; the first name of each is the one ICU is given.
struct CodePageName {
  unsigned codePage;
  const char* name;  // folded, but for the first of a code page
};
constexpr CodePageName Names[] = {
    {65001, "UTF-8"},     {65001, "utf8"},    {936, "GBK"},        {936, "gbk"},
    {936, "gb2312"},      {54936, "GB18030"}, {54936, "gb18030"},  {932, "Shift_JIS"},
    {932, "shiftjis"},    {932, "sjis"},      {950, "Big5"},       {950, "big5"},
    {949, "windows-949"}, {949, "ksc5601"},   {51949, "EUC-KR"},   {51949, "euckr"},
    {20932, "EUC-JP"},    {20932, "eucjp"},   {20127, "US-ASCII"}, {20127, "usascii"},
    {20127, "ascii"},     {20866, "KOI8-R"},  {20866, "koi8r"},    {21866, "KOI8-U"},
    {21866, "koi8u"},     {28591, "latin1"},  {28592, "latin2"},   {28605, "latin9"},
};

}  // namespace

unsigned CodePageOfEncodingName(const char* name) noexcept {
  const std::string folded = Folded(name);
  for (const CodePageName& entry : Names) {
    if (folded == entry.name) return entry.codePage;
  }
  // "iso8859N": parts 1 to 9 and 13 to 16 are code pages 28591 up.
  if (folded.starts_with("iso8859")) {
    const unsigned part = Digits(std::string_view(folded).substr(7));
    return part >= 1 && part <= 16 ? 28590 + part : 0;
  }
  for (const std::string_view prefix : {"cp", "windows", "ibm", "ms", ""}) {
    if (folded.starts_with(prefix)) {
      if (const unsigned number = Digits(std::string_view(folded).substr(prefix.size())))
        return number;
    }
  }
  return 0;
}

std::string CodePageEncodingName(unsigned codePage) {
  if (codePage >= 28591 && codePage <= 28606) return "ISO-8859-" + std::to_string(codePage - 28590);
  for (const CodePageName& entry : Names) {
    if (entry.codePage == codePage) return entry.name;
  }
  return "cp" + std::to_string(codePage);
}

}  // namespace corekit::platform
