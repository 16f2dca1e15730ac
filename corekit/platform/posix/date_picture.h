#pragma once

#include <string>

#include "corekit/platform/types.h"

namespace corekit::platform::posix {

// Which kind of Windows picture a text is: a date picture or a time picture.
enum class PictureKind { Date, Time };

// Stand-ins in a translated pattern for the two Windows fields that ICU has no pattern letter for;
// ICU reads them as literal text, and they are replaced after formatting.
// "y": the year's last two digits, no padding; "t": the first letter of the AM/PM text.
inline constexpr char32_t ShortYearMarker = U'\uE001';
inline constexpr char32_t AmPmLetterMarker = U'\uE002';

// Translates a Windows date or time picture into an ICU date pattern (UTF-8). Picture letters of
// the other kind, and every other character, become quoted literal text, as Windows copies them;
// 'quoted text' stays literal and '' is a quote. IcuPatternFromPicture("dddd, d. MMMM yyyy", Date)
// is "EEEE', 'd'. 'MMMM' 'yyyy".
std::string IcuPatternFromPicture(const std::string& picture, PictureKind kind);

// Formats a picture whose fields are all numbers (d, dd, M, MM, y, yy, yyyy; h, hh, H, HH, m, mm,
// s, ss) directly, with ASCII digits as Windows writes them, into out. False, with out unspecified,
// when the picture has a field that needs the locale's texts (day and month names, era, AM/PM) or a
// byte outside ASCII: those go through ICU.
bool FormatNumericPicture(const char* picture, PictureKind kind, const SYSTEMTIME& record,
                          std::string& out);

// A locale's short date pattern with its year shown in four digits: "dd.MM.yy" becomes
// "dd.MM.yyyy".
std::string WithFourDigitYear(const std::string& icuPattern);

}  // namespace corekit::platform::posix
