#include "corekit/platform/posix/date_picture.h"

#include <cstddef>

namespace corekit::platform::posix {
namespace {

// UTF-8 of a character of the Basic Multilingual Plane.
std::string Utf8(char32_t c) {
  std::string text;
  if (c < 0x80) {
    text += static_cast<char>(c);
  } else if (c < 0x800) {
    text += static_cast<char>(0xC0 | (c >> 6));
    text += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    text += static_cast<char>(0xE0 | (c >> 12));
    text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (c & 0x3F));
  }
  return text;
}

// The ICU field for a run of count equal picture letters, or empty when the letter is no field of
// this kind of picture.
std::string Field(char letter, std::size_t count, PictureKind kind) {
  const bool one = count == 1;
  if (kind == PictureKind::Date) {
    switch (letter) {
      case 'd':
        return count == 1 ? "d" : count == 2 ? "dd" : count == 3 ? "EEE" : "EEEE";
      case 'M':
        return count == 1 ? "M" : count == 2 ? "MM" : count == 3 ? "MMM" : "MMMM";
      case 'y':
        return one ? Utf8(ShortYearMarker) : count == 2 ? "yy" : "yyyy";
      case 'g':
        return "G";
      default:
        return {};
    }
  }
  switch (letter) {
    case 'h':
      return one ? "h" : "hh";
    case 'H':
      return one ? "H" : "HH";
    case 'm':
      return one ? "m" : "mm";
    case 's':
      return one ? "s" : "ss";
    case 't':
      return one ? Utf8(AmPmLetterMarker) : "a";
    default:
      return {};
  }
}

// Collects literal text and writes it as one quoted ICU literal.
class Literal {
public:
  explicit Literal(std::string& pattern) : m_pattern(pattern) {}
  void Add(char c) {
    if (c == '\'') m_text += '\'';  // a quote inside ICU quoted text is doubled
    m_text += c;
  }
  void Flush() {
    if (m_text.empty()) return;
    // Quotes alone stay unquoted: outside quoted text ICU reads each "''" as one quote, so a
    // quoted "''" (four quotes) would print two.
    if (m_text.find_first_not_of('\'') == std::string::npos) {
      m_pattern += m_text;
    } else {
      m_pattern += '\'';
      m_pattern += m_text;
      m_pattern += '\'';
    }
    m_text.clear();
  }

private:
  std::string& m_pattern;
  std::string m_text;
};

}  // namespace

std::string IcuPatternFromPicture(const std::string& picture, PictureKind kind) {
  std::string pattern;
  Literal literal(pattern);
  bool quoted = false;
  for (std::size_t i = 0; i < picture.size();) {
    const char c = picture[i];
    if (c == '\'') {
      if (i + 1 < picture.size() && picture[i + 1] == '\'') {
        literal.Add('\'');
        i += 2;
      } else {
        quoted = !quoted;
        ++i;
      }
      continue;
    }
    if (quoted) {
      literal.Add(c);
      ++i;
      continue;
    }
    std::size_t run = 1;
    while (i + run < picture.size() && picture[i + run] == c) ++run;
    const std::string field = Field(c, run, kind);
    if (field.empty()) {
      literal.Add(c);
      ++i;
      continue;
    }
    literal.Flush();
    pattern += field;
    i += run;
  }
  literal.Flush();
  return pattern;
}

bool FormatNumericPicture(const char* picture, PictureKind kind, const SYSTEMTIME& record,
                          std::string& out) {
  out.clear();
  const auto number = [&out](unsigned int value, std::size_t width) {
    char digits[12];
    std::size_t count = 0;
    do {
      digits[count++] = static_cast<char>('0' + value % 10);
      value /= 10;
    } while (value != 0);
    for (; count < width; ++count) digits[count] = '0';
    while (count > 0) out += digits[--count];
  };
  bool quoted = false;
  for (const char* at = picture; *at != '\0';) {
    const char c = *at;
    if (static_cast<unsigned char>(c) >= 0x80) return false;
    if (c == '\'') {
      if (at[1] == '\'') {
        out += '\'';
        at += 2;
      } else {
        quoted = !quoted;
        ++at;
      }
      continue;
    }
    std::size_t run = 1;
    if (!quoted) {
      while (at[run] == c) ++run;
    }
    const unsigned int width = run >= 2 ? 2 : 1;
    const unsigned int hour12 = record.wHour % 12 == 0 ? 12 : record.wHour % 12;
    if (quoted) {
      out += c;
    } else if (kind == PictureKind::Date && c == 'd' && run <= 2) {
      number(record.wDay, width);
    } else if (kind == PictureKind::Date && c == 'M' && run <= 2) {
      number(record.wMonth, width);
    } else if (kind == PictureKind::Date && c == 'y') {
      number(run >= 3 ? record.wYear : record.wYear % 100u, run >= 3 ? 4 : width);
    } else if (kind == PictureKind::Time && (c == 'h' || c == 'H' || c == 'm' || c == 's')) {
      number(c == 'h'   ? hour12
             : c == 'H' ? record.wHour
             : c == 'm' ? record.wMinute
                        : record.wSecond,
             width);
    } else if (Field(c, run, kind).empty()) {
      out.append(run, c);  // not a field: literal text
    } else {
      return false;  // a field made of the locale's texts
    }
    at += quoted ? 1 : run;
  }
  return true;
}

std::string WithFourDigitYear(const std::string& icuPattern) {
  std::string result;
  bool quoted = false;
  for (std::size_t i = 0; i < icuPattern.size();) {
    const char c = icuPattern[i];
    if (c == '\'') quoted = !quoted;
    if (!quoted && c == 'y') {
      while (i < icuPattern.size() && icuPattern[i] == 'y') ++i;
      result += "yyyy";
      continue;
    }
    result += c;
    ++i;
  }
  return result;
}

}  // namespace corekit::platform::posix
