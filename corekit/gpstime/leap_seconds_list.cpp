#include "corekit/gpstime/leap_seconds_list.h"

#include <array>
#include <cstdint>

#include "corekit/core/hex_text.h"
#include "corekit/core/sha1_digest.h"
#include "corekit/gpstime/time_constants.h"
#include "corekit/platform/text_file.h"

namespace corekit::internal {
namespace {

constexpr long long LeastSpacing = 28 * SecondsPerDay;

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
  return text;
}

// The next field of text separated by spaces or tabs; empty at the end.
std::string_view NextField(std::string_view& text) {
  text = Trimmed(text);
  std::size_t end = 0;
  while (end < text.size() && !IsSpace(text[end])) ++end;
  const std::string_view field = text.substr(0, end);
  text.remove_prefix(end);
  return field;
}

// Decimal digits with an optional minus sign, of at most 12 digits.
bool ReadInteger(std::string_view text, long long& value) {
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  if (text.empty() || text.size() > 12) return false;
  value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  if (negative) value = -value;
  return true;
}

// Five groups of up to eight hex digits; a group may drop its leading zeros.
bool ReadHash(std::string_view text, std::array<std::uint32_t, 5>& hash) {
  for (std::uint32_t& word : hash) {
    const std::string_view group = NextField(text);
    if (group.size() > 8 || !ReadHex(group, word)) return false;
  }
  return Trimmed(text).empty();
}

// The text in single quotes (built by appending: GCC 12 warns falsely about "'" + std::string).
std::string Quoted(std::string_view text) {
  std::string quoted(1, '\'');
  quoted.append(text);
  quoted += '\'';
  return quoted;
}

std::string Hex(const std::array<std::uint32_t, 5>& hash) {
  std::string text;
  for (const std::uint32_t word : hash) {
    if (!text.empty()) text += ' ';
    text += HexText(word, 8);
  }
  return text;
}

struct ListReader {
  std::vector<LeapEntry> entries;
  long long update = -1, expiry = -1;
  std::string updateText, expiryText;  // as written, for the hash
  bool hashSeen = false;
  std::array<std::uint32_t, 5> hash{};
  std::string hashed;  // the data fields, for the hash
  long long lastNtp = -1, lastTai = 0;

  // One line; false with the reason.
  bool Read(std::string_view line, std::string& reason) {
    if (line.substr(0, 2) == "#$" || line.substr(0, 2) == "#@") {
      long long& value = line[1] == '$' ? update : expiry;
      std::string& written = line[1] == '$' ? updateText : expiryText;
      std::string_view rest = line.substr(2);
      const std::string_view field = NextField(rest);
      if (value >= 0) return Fail(reason, "a second " + Quoted(line.substr(0, 2)) + " line");
      if (!ReadInteger(field, value) || value < 0 || !Trimmed(rest).empty()) {
        return Fail(reason, Quoted(line) + " is not an NTP time");
      }
      written = field;
      return true;
    }
    if (line.substr(0, 2) == "#h") {
      if (hashSeen) return Fail(reason, "a second '#h' line");
      hashSeen = true;
      if (!ReadHash(line.substr(2), hash)) return Fail(reason, Quoted(line) + " is not a hash");
      return true;
    }
    if (line.empty() || line.front() == '#') return true;
    const std::string_view data = line.substr(0, line.find('#'));
    std::string_view rest = data;
    const std::string_view ntpText = NextField(rest), taiText = NextField(rest);
    long long ntp = 0, tai = 0;
    if (!ReadInteger(ntpText, ntp) || ntp < 0 || !ReadInteger(taiText, tai) ||
        !Trimmed(rest).empty()) {
      return Fail(reason, Quoted(line) + " is not an NTP time and TAI - UTC");
    }
    if (ntp % SecondsPerDay != 0) {
      return Fail(reason, std::string(ntpText) + " is not the start of a day");
    }
    if (lastNtp >= 0 && ntp < lastNtp + LeastSpacing) {
      return Fail(reason, std::string(ntpText) + " does not follow the entry before it by 28 days");
    }
    if (lastNtp >= 0 && tai != lastTai + 1 && tai != lastTai - 1) {
      return Fail(reason, "TAI - UTC steps from " + std::to_string(lastTai) + " to " +
                              std::to_string(tai) + ", not by one second");
    }
    if (tai - TaiMinusGps < -128 || tai - TaiMinusGps > 127) {
      return Fail(reason, "TAI - UTC " + std::to_string(tai) + " is out of range");
    }
    if (entries.size() == LeapSecondTable::MaxEntries) {
      return Fail(reason, "more than " + std::to_string(LeapSecondTable::MaxEntries) + " entries");
    }
    lastNtp = ntp;
    lastTai = tai;
    hashed.append(ntpText).append(taiText);
    entries.push_back({ntp - NtpToGpsEpoch, static_cast<int>(tai) - TaiMinusGps});
    return true;
  }

  // After the last line: the lines that must be there, the expiry and the hash.
  bool Finish(std::string& reason) const {
    if (entries.empty()) return Fail(reason, "no leap-second entries");
    if (update < 0) return Fail(reason, "no update line ('#$')");
    if (expiry < 0) return Fail(reason, "no expiry line ('#@')");
    if (!hashSeen) return Fail(reason, "no hash line ('#h')");
    if (expiry <= lastNtp) return Fail(reason, "the expiry is not after the last entry");
    const std::array<std::uint32_t, 5> digest = Sha1Digest(updateText + expiryText + hashed);
    if (digest != hash) {
      return Fail(reason, "the hash is " + Hex(hash) + " but the data give " + Hex(digest));
    }
    return true;
  }

  static bool Fail(std::string& reason, std::string text) {
    reason = std::move(text);
    return false;
  }
};

}  // namespace

bool ParseLeapSecondsList(std::string_view text, std::vector<LeapEntry>& entries, long long& expiry,
                          std::string& reason) {
  ListReader reader;
  int lineNumber = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = Trimmed(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++lineNumber;
    if (!reader.Read(line, reason)) {
      reason = "line " + std::to_string(lineNumber) + ": " + reason;
      return false;
    }
  }
  if (!reader.Finish(reason)) return false;
  entries = reader.entries;
  expiry = reader.expiry - NtpToGpsEpoch;
  return true;
}

std::unique_ptr<const LeapSecondTable> ReadLeapSecondsFile(const std::string& path,
                                                           std::string& reason) {
  std::string content;
  if (!platform::ReadTextFile(path.c_str(), content)) {
    reason = path + ": cannot be read";
    return nullptr;
  }
  std::vector<LeapEntry> entries;
  long long expiry = 0;
  if (!ParseLeapSecondsList(content, entries, expiry, reason)) {
    reason = path + ": " + reason;
    return nullptr;
  }
  return std::make_unique<const LeapSecondTable>(std::move(entries), expiry);
}

std::unique_ptr<const LeapSecondTable> StartingTable(const std::string& named,
                                                     const std::string& system,
                                                     long long builtInExpiry, std::string& source) {
  std::string reason;
  if (!named.empty()) {
    std::unique_ptr<const LeapSecondTable> table = ReadLeapSecondsFile(named, reason);
    source = table != nullptr ? named : "built-in (COREKIT_LEAP_SECONDS: " + reason + ")";
    return table;
  }
  source = "built-in";
  if (system.empty()) return nullptr;
  std::unique_ptr<const LeapSecondTable> table = ReadLeapSecondsFile(system, reason);
  if (table == nullptr || table->Expiry() <= builtInExpiry) return nullptr;
  source = system;
  return table;
}

}  // namespace corekit::internal
