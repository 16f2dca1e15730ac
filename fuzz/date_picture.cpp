// Date and time pictures against a plain reading of the Windows rules with English names: every
// field letter run, quoted text, '' and literal characters, through both the direct numeric path
// and ICU. A text that does not fit the buffer leaves it as it was.
//
// Input: one byte for the kind (even: date, odd: time), six bytes for year, month, day, hour,
// minute and second, then the picture (bytes folded into printable ASCII).

#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "corekit/platform/time_format.h"
#include "fuzz/expect.h"

namespace {

using corekit::platform::TimeTextBufferSize;

const char* const Months[] = {"January",   "February", "March",    "April",
                              "May",       "June",     "July",     "August",
                              "September", "October",  "November", "December"};
const char* const Days[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                            "Thursday", "Friday", "Saturday"};

// Day of the week of a civil date, 0 for Sunday.
int DayOfWeek(int year, int month, int day) {
  static const int offsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  if (month < 3) --year;
  return (year + year / 4 - year / 100 + year / 400 + offsets[month - 1] + day) % 7;
}

std::string Number(unsigned value, std::size_t width) {
  std::string text = std::to_string(value);
  if (text.size() < width) text.insert(0, width - text.size(), '0');
  return text;
}

// The text of a run of count equal letters, or false when the letter is no field of the kind.
bool Field(char letter, std::size_t count, bool date, const SYSTEMTIME& r, std::string& out) {
  const std::size_t width = count >= 2 ? 2 : 1;
  const auto name = [count](const char* whole) {
    return count == 3 ? std::string(whole, 3) : std::string(whole);
  };
  const std::string fields = date ? "dMyg" : "hHmst";
  if (fields.find(letter) == std::string::npos) return false;
  if (letter == 'd') out += count <= 2 ? Number(r.wDay, width) : name(Days[r.wDayOfWeek]);
  if (letter == 'M') out += count <= 2 ? Number(r.wMonth, width) : name(Months[r.wMonth - 1]);
  if (letter == 'y') out += count <= 2 ? Number(r.wYear % 100u, width) : Number(r.wYear, 4);
  if (letter == 'g') out += "AD";
  if (letter == 'h') out += Number(r.wHour % 12 == 0 ? 12 : r.wHour % 12, width);
  if (letter == 'H') out += Number(r.wHour, width);
  if (letter == 'm') out += Number(r.wMinute, width);
  if (letter == 's') out += Number(r.wSecond, width);
  if (letter == 't') out += std::string(r.wHour < 12 ? "AM" : "PM", count == 1 ? 1 : 2);
  return true;
}

std::string Expected(const std::string& picture, bool date, const SYSTEMTIME& record) {
  std::string out;
  bool quoted = false;
  for (std::size_t i = 0; i < picture.size();) {
    const char c = picture[i];
    if (c == '\'') {
      if (i + 1 < picture.size() && picture[i + 1] == '\'') {
        out += '\'';
        i += 2;
      } else {
        quoted = !quoted;
        ++i;
      }
      continue;
    }
    std::size_t run = 1;
    while (!quoted && i + run < picture.size() && picture[i + run] == c) ++run;
    if (quoted || !Field(c, run, date, record, out)) {
      out += c;
      run = 1;
    }
    i += run;
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  setenv("LC_ALL", "en_US.UTF-8", 1);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 7) return 0;
  const bool date = data[0] % 2 == 0;
  SYSTEMTIME record{};
  record.wYear = static_cast<WORD>(1980 + data[1] % 137);
  record.wMonth = static_cast<WORD>(1 + data[2] % 12);
  record.wDay = static_cast<WORD>(1 + data[3] % 28);
  record.wHour = static_cast<WORD>(data[4] % 24);
  record.wMinute = static_cast<WORD>(data[5] % 60);
  record.wSecond = static_cast<WORD>(data[6] % 60);
  record.wDayOfWeek = static_cast<WORD>(DayOfWeek(record.wYear, record.wMonth, record.wDay));
  std::string picture;
  for (std::size_t i = 7; i < size; ++i) picture += static_cast<char>(0x20 + data[i] % 95);

  char buffer[TimeTextBufferSize];
  std::strcpy(buffer, "unchanged");
  if (date) {
    corekit::platform::FormatDate(record, picture.c_str(), buffer);
  } else {
    corekit::platform::FormatTime(record, picture.c_str(), buffer);
  }
  const std::string expected = Expected(picture, date, record);
  EXPECT(std::string(buffer) ==
         (expected.size() < static_cast<std::size_t>(TimeTextBufferSize) ? expected : "unchanged"));
  return 0;
}
