// TSplitPath: parsing, the five-part constructor, Compose and Squeezed against a plain byte-wise
// reference of the same rules. The searches run in the C locale or in UTF-8, where they step over
// whole characters; separators, colons and dots are ASCII, so both find what the bytes show.
//
// Input: two bytes of squeeze width (signed, little-endian), one byte of part selection (bit 5
// chooses UTF-8), then texts separated by zero bytes: the path to parse, then host, volume, dir,
// name and ext for the five-part constructor (a missing text is a null pointer).

#include "corekit/util/split_path.h"

#include <algorithm>
#include <clocale>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "fuzz/expect.h"

namespace {

constexpr std::size_t MaxComposed = 259;
constexpr const char* Separators = "\\/";

struct Parts {
  bool unc = false;
  std::string host, volume, dir, name, ext;
};

// The last character of set in text from `from` on, the text's final character left out.
std::size_t LastOf(const std::string& text, std::size_t from, const char* set) {
  std::size_t last = std::string::npos;
  for (std::size_t i = from; i + 1 < text.size(); ++i) {
    if (std::strchr(set, text[i]) != nullptr) last = i;
  }
  return last;
}

std::size_t FirstOf(const std::string& text, std::size_t from, const char* set) {
  const std::size_t found = text.find_first_of(set, from);
  return found != std::string::npos ? found : text.size();
}

Parts Parse(const std::string& text) {
  Parts parts;
  std::size_t rest = 0;
  if (text.compare(0, 2, "\\\\") == 0) {
    parts.unc = true;
    rest = 2;
    std::size_t separator = FirstOf(text, rest, Separators);
    parts.host = text.substr(rest, separator - rest);
    rest = separator == text.size() ? separator : separator + 1;
    separator = FirstOf(text, rest, Separators);
    parts.volume = text.substr(rest, separator - rest);
    rest = separator == text.size() ? separator : separator + 1;
  } else if (const std::size_t colon = text.find(':'); colon != std::string::npos) {
    parts.volume = text.substr(0, colon);
    rest = colon + 1;
  }
  const std::size_t dot = LastOf(text, rest, ".");
  const std::size_t separator = LastOf(text, rest, Separators);
  std::size_t nameEnd = text.size();
  if (dot != std::string::npos && (separator == std::string::npos || dot > separator)) {
    parts.ext = text.substr(dot);
    nameEnd = dot;
  }
  const std::size_t nameStart = separator != std::string::npos ? separator + 1 : rest;
  parts.name = text.substr(nameStart, nameEnd - nameStart);
  if (separator != std::string::npos && separator > rest) {
    parts.dir = text.substr(rest, separator - rest);
  } else if (separator == 0) {
    parts.dir = text.substr(0, 1);  // the root folder (the targets run on POSIX)
  }
  return parts;
}

Parts FromTexts(const std::optional<std::string> texts[5]) {
  Parts parts;
  parts.unc = texts[0].has_value();
  if (const auto& host = texts[0]) {
    const std::size_t start = host->compare(0, 2, "\\\\") == 0 ? 2 : 0;
    parts.host = host->substr(start, FirstOf(*host, start, Separators) - start);
  }
  if (const auto& volume = texts[1]) {
    parts.volume = volume->substr(0, FirstOf(*volume, 0, parts.unc ? Separators : ":"));
  }
  if (const auto& dir = texts[2]) {
    const std::size_t colon = dir->find(':');
    parts.dir = colon != std::string::npos ? dir->substr(colon + 1) : *dir;
  }
  for (int which = 3; which < 5; ++which) {
    const auto& text = texts[which];
    if (!text) continue;
    const std::size_t separator = LastOf(*text, 0, Separators);
    const std::size_t start = separator != std::string::npos ? separator + 1 : 0;
    const std::size_t dot = LastOf(*text, start, ".");
    if (which == 3) {
      parts.name = text->substr(start, (dot != std::string::npos ? dot : text->size()) - start);
    } else {
      parts.ext = dot != std::string::npos ? text->substr(dot) : "." + text->substr(start);
    }
  }
  return parts;
}

// The composition, or nothing when it is longer than a path buffer holds.
std::optional<std::string> Compose(const Parts& path, unsigned parts) {
  std::string text;
  const bool wantsVolume = (parts & TSplitPath::VolumePart) != 0;
  if (path.unc) {
    if ((parts & TSplitPath::HostPart) != 0) {
      text += "\\\\" + path.host;
      if (wantsVolume) text += "\\";
    }
    if (wantsVolume && !path.volume.empty()) {
      text += path.volume;
      if ((parts & (TSplitPath::DirPart | TSplitPath::NamePart)) != 0) text += "\\";
    }
  } else if (wantsVolume && !path.volume.empty()) {
    text += path.volume + ":";
  }
  if ((parts & TSplitPath::DirPart) != 0 && !path.dir.empty()) {
    const bool root = text.empty() && (path.dir == "/" || path.dir == "\\");
    text += root ? path.dir : path.dir + "\\";
  } else if (!text.empty()) {
    text += "\\";
  }
  if ((parts & TSplitPath::NamePart) != 0) text += path.name;
  if ((parts & TSplitPath::ExtPart) != 0) text += path.ext;
  if (text.size() > MaxComposed) return std::nullopt;
  return text;
}

std::string Squeezed(const Parts& path, int maxLen) {
  for (const unsigned parts : {31u, 27u, 24u, 8u}) {
    const std::optional<std::string> text = Compose(path, parts);
    if (text && static_cast<long long>(text->size()) <= maxLen) return *text;
  }
  return {};
}

Parts Fields(const TSplitPath& path) {
  return {path.unc,
          path.host.GetString(),
          path.volume.GetString(),
          path.dir.GetString(),
          path.name.GetString(),
          path.ext.GetString()};
}

// The object holds the reference's fields and composes and squeezes as the reference does.
void CheckAgainst(const TSplitPath& path, const Parts& expected, int maxLen) {
  const Parts fields = Fields(path);
  EXPECT(fields.unc == expected.unc && fields.host == expected.host &&
         fields.volume == expected.volume && fields.dir == expected.dir &&
         fields.name == expected.name && fields.ext == expected.ext);
  for (unsigned parts = 0; parts <= TSplitPath::AllParts; ++parts) {
    const KString composed = path.Compose(parts);
    EXPECT(static_cast<std::size_t>(composed.GetLength()) <= MaxComposed);
    EXPECT(composed.GetString() == Compose(expected, parts).value_or(""));
  }
  const KString squeezed = path.Squeezed(maxLen);
  EXPECT(squeezed.IsEmpty() || squeezed.GetLength() <= maxLen);
  EXPECT(squeezed.GetString() == Squeezed(expected, maxLen));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  const int maxLen = static_cast<std::int16_t>(data[0] | (data[1] << 8));
  const unsigned selection = data[2] & TSplitPath::AllParts;
  static bool utf8 = false;
  if (((data[2] & 0x20) != 0) != utf8) {
    utf8 = !utf8;
    EXPECT(std::setlocale(LC_ALL, utf8 ? "C.UTF-8" : "C") != nullptr);
  }
  std::vector<std::string> texts;
  const std::string rest(reinterpret_cast<const char*>(data) + 3, size - 3);
  for (std::size_t at = 0; at <= rest.size() && texts.size() < 6;) {
    const std::size_t end = std::min(rest.find('\0', at), rest.size());
    texts.push_back(rest.substr(at, end - at));
    at = end + 1;
  }

  // Parsing, and the parse of the composed text.
  const TSplitPath parsed(texts[0].c_str());
  CheckAgainst(parsed, Parse(texts[0]), maxLen);
  const KString composed = parsed.Compose(TSplitPath::AllParts);
  CheckAgainst(TSplitPath(composed), Parse(composed.GetString()), maxLen);

  // Drive and network paths of plain parts compose back to their own text; a slash inside the
  // directory stays.
  auto plain = [&texts](std::size_t i) {
    std::string text = i < texts.size() && !texts[i].empty() ? texts[i] : "x";
    for (char& c : text) {
      if (std::strchr("\\/:.", c) != nullptr) c = '_';
    }
    return text;
  };
  const std::string tail = plain(3) + "/" + plain(4) + "\\" + plain(5) + "." + plain(1);
  for (const std::string& path :
       {plain(2) + ":\\" + tail, "\\\\" + plain(1) + "\\" + plain(2) + "\\" + tail}) {
    if (path.size() <= MaxComposed) {
      EXPECT(TSplitPath(path.c_str()).Compose(TSplitPath::AllParts) == path.c_str());
    }
  }

  // The five-part constructor.
  std::optional<std::string> parts[5];
  for (std::size_t i = 1; i < texts.size(); ++i) parts[i - 1] = texts[i];
  auto pointer = [&parts](int i) { return parts[i] ? parts[i]->c_str() : nullptr; };
  TSplitPath built(pointer(0), pointer(1), pointer(2), pointer(3), pointer(4));
  Parts expected = FromTexts(parts);
  CheckAgainst(built, expected, maxLen);

  // Parts set and cleared as they are.
  const std::string text = texts.size() > 1 ? texts[1] : texts[0];
  built.SetParts(selection, text.c_str());
  for (const auto& [bit, field] : {std::pair{TSplitPath::HostPart, &expected.host},
                                   std::pair{TSplitPath::VolumePart, &expected.volume},
                                   std::pair{TSplitPath::DirPart, &expected.dir},
                                   std::pair{TSplitPath::NamePart, &expected.name},
                                   std::pair{TSplitPath::ExtPart, &expected.ext}}) {
    if ((selection & bit) != 0) *field = text;
  }
  CheckAgainst(built, expected, maxLen);
  EXPECT(built.HasParts(selection) == (selection != 0 && !text.empty()));
  built.ClearParts(selection);
  EXPECT(!built.HasParts(selection));
  return 0;
}
