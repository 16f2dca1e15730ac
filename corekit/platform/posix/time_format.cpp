#include "corekit/platform/time_format.h"

#include <time.h>
#include <unicode/datefmt.h>
#include <unicode/dtfmtsym.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>
#include <unicode/uchar.h>

#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "corekit/platform/posix/date_picture.h"
#include "corekit/platform/posix/icu_text.h"

namespace corekit::platform {
namespace {

using posix::AmPmLetterMarker;
using posix::FormatNumericPicture;
using posix::FromProcessEncoding;
using posix::IcuPatternFromPicture;
using posix::PictureKind;
using posix::ShortYearMarker;
using posix::ToProcessEncoding;
using posix::WithFourDigitYear;

// Windows writes plain spaces where ICU's locale data has no-break, narrow or thin ones (U+00A0,
// U+202F, U+2009): "12:30:45 PM", not U+202F before "PM". Programs split such texts on spaces,
// and a single-byte encoding would show most of them as '?'.
void UsePlainSpaces(icu::UnicodeString& text) {
  for (int32_t i = 0; i < text.length(); ++i) {
    if (text.charAt(i) != u' ' && u_charType(text.charAt(i)) == U_SPACE_SEPARATOR) {
      text.setCharAt(i, u' ');
    }
  }
}

// The names a Windows picture shows (months, weekdays, eras, AM/PM) with plain spaces.
void UsePlainSpaces(icu::SimpleDateFormat& formatter) {
  icu::DateFormatSymbols symbols(*formatter.getDateFormatSymbols());
  // A copy of the names with plain spaces; count is set by the getter before it is read.
  int32_t count = 0;
  const auto plain = [&count](const icu::UnicodeString* names) {
    std::vector<icu::UnicodeString> copy(names, names + count);
    for (icu::UnicodeString& name : copy) UsePlainSpaces(name);
    return copy;
  };
  using Symbols = icu::DateFormatSymbols;
  for (const Symbols::DtWidthType width : {Symbols::WIDE, Symbols::ABBREVIATED}) {
    auto months = plain(symbols.getMonths(count, Symbols::FORMAT, width));
    symbols.setMonths(months.data(), count, Symbols::FORMAT, width);
    auto weekdays = plain(symbols.getWeekdays(count, Symbols::FORMAT, width));
    symbols.setWeekdays(weekdays.data(), count, Symbols::FORMAT, width);
  }
  auto eras = plain(symbols.getEras(count));
  symbols.setEras(eras.data(), count);
  auto amPm = plain(symbols.getAmPmStrings(count));
  symbols.setAmPmStrings(amPm.data(), count);
  formatter.setDateFormatSymbols(symbols);
}

// ICU formatters, built once for each locale, kind and picture. Formatting with them is
// serialised: an ICU formatter is not meant to be shared by threads.
class FormatterCache {
public:
  static FormatterCache& Instance() {
    static FormatterCache cache;
    return cache;
  }

  // Formats the instant (milliseconds since 1970, shown in UTC) with the picture's formatter and
  // gives the locale's AM or PM text; false when ICU cannot build a formatter for the picture.
  bool Format(const icu::Locale& locale, PictureKind kind, const char* picture, UDate instant,
              bool afternoon, icu::UnicodeString& text, icu::UnicodeString& amPm) {
    std::string key = locale.getName();
    key += kind == PictureKind::Date ? "\x01" : "\x02";
    if (picture != nullptr) {
      key += '\x03';
      key += picture;
    }
    std::lock_guard<std::mutex> guard(m_lock);
    auto found = m_formatters.find(key);
    if (found == m_formatters.end()) {
      std::unique_ptr<icu::SimpleDateFormat> formatter = Build(locale, kind, picture);
      if (!formatter) return false;
      // Bound the cache: a program that formats with ever new pictures starts it afresh.
      if (m_formatters.size() >= MaxFormatters) m_formatters.clear();
      found = m_formatters.emplace(std::move(key), std::move(formatter)).first;
    }
    found->second->format(instant, text);
    int32_t count = 0;
    const icu::UnicodeString* strings =
        found->second->getDateFormatSymbols()->getAmPmStrings(count);
    if (count >= 2) amPm = strings[afternoon ? 1 : 0];
    return true;
  }

private:
  static constexpr std::size_t MaxFormatters = 64;

  static std::unique_ptr<icu::SimpleDateFormat> Build(const icu::Locale& locale, PictureKind kind,
                                                      const char* picture) {
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString pattern;
    if (picture != nullptr) {
      const std::string utf8 = IcuPatternFromPicture(ToUtf8(FromProcessEncoding(picture)), kind);
      pattern = icu::UnicodeString::fromUTF8(utf8);
    } else {
      // The locale's short date with a four-digit year, or its time with seconds.
      std::unique_ptr<icu::DateFormat> standard(
          kind == PictureKind::Date
              ? icu::DateFormat::createDateInstance(icu::DateFormat::kShort, locale)
              : icu::DateFormat::createTimeInstance(icu::DateFormat::kMedium, locale));
      auto* simple = dynamic_cast<icu::SimpleDateFormat*>(standard.get());
      if (simple == nullptr) return nullptr;
      simple->toPattern(pattern);
      if (kind == PictureKind::Date) {
        pattern = icu::UnicodeString::fromUTF8(WithFourDigitYear(ToUtf8(pattern)));
      }
      UsePlainSpaces(pattern);
    }
    auto formatter = std::make_unique<icu::SimpleDateFormat>(pattern, locale, status);
    if (U_FAILURE(status)) return nullptr;
    UsePlainSpaces(*formatter);
    formatter->adoptTimeZone(icu::TimeZone::createTimeZone("Etc/UTC"));
    return formatter;
  }

  static std::string ToUtf8(const icu::UnicodeString& text) {
    std::string utf8;
    return text.toUTF8String(utf8);
  }

  std::mutex m_lock;
  std::map<std::string, std::unique_ptr<icu::SimpleDateFormat>> m_formatters;
};

tm FieldsOf(const SYSTEMTIME& record) {
  tm fields{};
  fields.tm_year = record.wYear - 1900;
  fields.tm_mon = record.wMonth - 1;
  fields.tm_mday = record.wDay;
  fields.tm_hour = record.wHour;
  fields.tm_min = record.wMinute;
  fields.tm_sec = record.wSecond;
  return fields;
}

SYSTEMTIME RecordOf(const tm& fields, WORD milliseconds) {
  SYSTEMTIME record{};
  record.wYear = static_cast<WORD>(fields.tm_year + 1900);
  record.wMonth = static_cast<WORD>(fields.tm_mon + 1);
  record.wDayOfWeek = static_cast<WORD>(fields.tm_wday);
  record.wDay = static_cast<WORD>(fields.tm_mday);
  record.wHour = static_cast<WORD>(fields.tm_hour);
  record.wMinute = static_cast<WORD>(fields.tm_min);
  record.wSecond = static_cast<WORD>(fields.tm_sec);
  record.wMilliseconds = milliseconds;
  return record;
}

// The record's fields as an instant in milliseconds since 1970, read as UTC.
UDate InstantOf(const SYSTEMTIME& record) {
  tm fields = FieldsOf(record);
  return static_cast<UDate>(timegm(&fields)) * 1000.0 + record.wMilliseconds;
}

// Replaces the stand-ins for the fields ICU has no letter for.
void ReplaceMarkers(icu::UnicodeString& text, const SYSTEMTIME& record,
                    const icu::UnicodeString& amPm) {
  text.findAndReplace(icu::UnicodeString(static_cast<UChar32>(ShortYearMarker)),
                      icu::UnicodeString::fromUTF8(std::to_string(record.wYear % 100)));
  text.findAndReplace(icu::UnicodeString(static_cast<UChar32>(AmPmLetterMarker)),
                      amPm.isEmpty() ? icu::UnicodeString() : icu::UnicodeString(amPm, 0, 1));
}

void FormatPart(const SYSTEMTIME& record, const char* picture, char* buffer,
                PictureKind kind) noexcept {
  // A picture of numbers only needs no locale data and is written directly.
  std::string encoded;
  if (picture == nullptr || !FormatNumericPicture(picture, kind, record, encoded)) {
    icu::UnicodeString text;
    icu::UnicodeString amPm;
    if (!FormatterCache::Instance().Format(posix::UserLocale(posix::LocaleUse::Time), kind, picture,
                                           InstantOf(record), record.wHour >= 12, text, amPm)) {
      return;
    }
    ReplaceMarkers(text, record, amPm);
    encoded = ToProcessEncoding(text);
  }
  // Text that does not fit the buffer is a failure, as on Windows: the buffer stays as it was.
  if (encoded.size() >= static_cast<std::size_t>(TimeTextBufferSize)) return;
  std::memcpy(buffer, encoded.c_str(), encoded.size() + 1);
}

}  // namespace

void FormatDate(const SYSTEMTIME& record, const char* picture, char* buffer) noexcept {
  FormatPart(record, picture, buffer, PictureKind::Date);
}

void FormatTime(const SYSTEMTIME& record, const char* picture, char* buffer) noexcept {
  FormatPart(record, picture, buffer, PictureKind::Time);
}

bool UtcToLocalTime(SYSTEMTIME& record) noexcept {
  tm fields = FieldsOf(record);
  const time_t instant = timegm(&fields);
  if (instant == static_cast<time_t>(-1)) return false;
  // The zone rules are read again at each call, so that a changed TZ takes effect.
  tzset();
  tm local{};
  if (localtime_r(&instant, &local) == nullptr) return false;
  record = RecordOf(local, record.wMilliseconds);
  return true;
}

SYSTEMTIME CurrentUtcTime() noexcept {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  tm fields{};
  gmtime_r(&now.tv_sec, &fields);
  return RecordOf(fields, static_cast<WORD>(now.tv_nsec / 1000000));
}

}  // namespace corekit::platform
