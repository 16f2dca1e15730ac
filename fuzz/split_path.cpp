// TSplitPath: properties of parsing, the five-part constructor, Compose and Squeezed. The searches
// run in the C locale or in UTF-8, where they step over whole characters; separators, colons and
// dots are ASCII, so both find what the bytes show.
//
// Input: two bytes of squeeze width (signed, little-endian), one byte whose bit 5 chooses UTF-8,
// then texts separated by zero bytes: the path to parse, then host, volume, dir, name and ext for
// the five-part constructor (a missing text is a null pointer).

#include "corekit/util/split_path.h"

#include <algorithm>
#include <clocale>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/expect.h"

namespace {

constexpr int MaxComposed = 259;

bool HasSeparator(const std::string& text) {
  return text.find_first_of("\\/") != std::string::npos;
}

// A final separator is never a split point, so it may end a name or an extension.
bool HasInnerSeparator(const KString& text) {
  const std::string chars = text.GetString();
  return !chars.empty() && HasSeparator(chars.substr(0, chars.size() - 1));
}

bool SameParts(const TSplitPath& left, const TSplitPath& right) {
  return left.unc == right.unc && left.host == right.host && left.volume == right.volume &&
         left.dir == right.dir && left.name == right.name && left.ext == right.ext;
}

// Parts that hold no separators or colons (the folders no colon, and not two separators at their
// start), with a name or an extension, and a share if the path is a network path.
bool Plain(const TSplitPath& path) {
  const auto clean = [](const KString& part, const char* excluded) {
    return std::strpbrk(part.GetString(), excluded) == nullptr;
  };
  const std::string dir = path.dir.GetString();
  const bool doubleStart =
      dir.size() >= 2 && HasSeparator(dir.substr(0, 1)) && HasSeparator(dir.substr(1, 1));
  return clean(path.host, "\\/:") && clean(path.volume, "\\/:") && clean(path.name, "\\/:") &&
         clean(path.ext, "\\/:") && clean(path.dir, ":") && !doubleStart &&
         !(path.name.IsEmpty() && path.ext.IsEmpty()) && !(path.unc && path.volume.IsEmpty());
}

// Holds for every path, however it was made: besides the folders (and a drive's volume) only a
// final separator of the name or extension remains, no composition is longer than a path buffer,
// a squeezed path fits its width.
void CheckProperties(const TSplitPath& path, int maxLen) {
  EXPECT(!HasSeparator(path.host.GetString()));
  EXPECT(!HasInnerSeparator(path.name) && !HasInnerSeparator(path.ext));
  EXPECT(!path.unc || !HasSeparator(path.volume.GetString()));
  for (unsigned parts = 0; parts <= TSplitPath::AllParts; ++parts) {
    EXPECT(path.Compose(parts).GetLength() <= MaxComposed);
  }
  const KString squeezed = path.Squeezed(maxLen);
  EXPECT(squeezed.IsEmpty() || squeezed.GetLength() <= maxLen);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  const int maxLen = static_cast<std::int16_t>(data[0] | (data[1] << 8));
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

  // A parsed path of plain parts composes to a text that parses to the same parts. (Windows syntax
  // leaves other paths ambiguous: the separators that Compose writes for a missing name or share
  // would be read as that part, a folder that starts with two of them as a network path.)
  const TSplitPath parsed(texts[0].c_str());
  CheckProperties(parsed, maxLen);
  const KString composed = parsed.Compose(TSplitPath::AllParts);
  if (!composed.IsEmpty() && Plain(parsed)) EXPECT(SameParts(TSplitPath(composed), parsed));

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
  const char* parts[5] = {};
  for (std::size_t i = 1; i < texts.size(); ++i) parts[i - 1] = texts[i].c_str();
  TSplitPath built(parts[0], parts[1], parts[2], parts[3], parts[4]);
  CheckProperties(built, maxLen);
  return 0;
}
