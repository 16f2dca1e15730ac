#include "corekit/util/split_path.h"

#include <cstring>
#include <string>

#include "corekit/platform/file_operations.h"
#include "corekit/platform/multibyte_text.h"
#include "corekit/platform/path_query.h"
#include "corekit/util/network_prefix.h"

namespace {

namespace platform = corekit::platform;
using corekit::internal::NetworkPrefix;
using corekit::internal::NetworkPrefixLength;

constexpr const char* Separators = "\\/";
constexpr const char* TempFilePrefix = "TFN";

// The text from first up to end.
KString Range(const char* first, const char* end) {
  return KString(first, 0, static_cast<int>(end - first));
}

bool BeginsWithNetworkPrefix(const char* text) {
  return std::strncmp(text, NetworkPrefix, static_cast<std::size_t>(NetworkPrefixLength())) == 0;
}

// The first character of set in text, or the text's end.
const char* FirstOf(const char* text, const char* set) {
  const char* found = platform::MultibyteFindAny(text, set);
  return found != nullptr ? found : text + std::strlen(text);
}

// The last character of set in the text from first to its end, leaving out the text's final
// character: a trailing separator or dot is never a split point. Null when there is none.
const char* LastOf(const char* first, const char* set) {
  const char* final = platform::MultibytePrevious(first, first + std::strlen(first));
  const char* last = nullptr;
  for (const char* found = final != nullptr ? platform::MultibyteFindAny(first, set) : nullptr;
       found != nullptr && found < final; found = platform::MultibyteFindAny(found + 1, set)) {
    last = found;
  }
  return last;
}

// Where the file name of text begins: after its last separator.
const char* NameStart(const char* text) {
  const char* separator = LastOf(text, Separators);
  return separator != nullptr ? separator + 1 : text;
}

// A path text built in a buffer of the system's path length. What does not fit makes it too long.
class PathText {
public:
  void Append(const char* text) {
    const std::size_t count = std::strlen(text);
    if (m_tooLong || m_length + count >= sizeof m_text) {
      m_tooLong = true;
      return;
    }
    std::memcpy(m_text + m_length, text, count + 1);
    m_length += count;
  }

  bool Empty() const { return m_length == 0 && !m_tooLong; }
  bool TooLong() const { return m_tooLong; }
  int Length() const { return static_cast<int>(m_length); }
  // The text; empty when it is too long.
  KString Result() const { return m_tooLong ? KString() : KString(m_text); }

private:
  char m_text[platform::PathBufferSize] = {};
  std::size_t m_length = 0;
  bool m_tooLong = false;
};

// True for the directory of a path in the root folder on POSIX: the root's separator alone.
bool IsRootFolder(const KString& dir) {
  return dir.GetLength() == 1 && (dir[0] == '/' || dir[0] == '\\') &&
         platform::LeadingSeparatorIsRoot();
}

PathText Composed(const TSplitPath& path, unsigned int parts) {
  PathText text;
  const bool wantsVolume = (parts & TSplitPath::VolumePart) != 0;
  if (path.unc) {
    if ((parts & TSplitPath::HostPart) != 0) {
      text.Append(NetworkPrefix);
      text.Append(path.host);
      if (wantsVolume) text.Append("\\");
    }
    if (wantsVolume && !path.volume.IsEmpty()) {
      text.Append(path.volume);
      if ((parts & (TSplitPath::DirPart | TSplitPath::NamePart)) != 0) text.Append("\\");
    }
  } else if (wantsVolume && !path.volume.IsEmpty()) {
    text.Append(path.volume);
    text.Append(":");
  }
  if ((parts & TSplitPath::DirPart) != 0 && !path.dir.IsEmpty()) {
    // The root folder begins the text and already ends with its separator.
    const bool root = text.Empty() && IsRootFolder(path.dir);
    text.Append(path.dir);
    if (!root) text.Append("\\");
  } else if (!text.Empty()) {
    text.Append("\\");
  }
  if ((parts & TSplitPath::NamePart) != 0) text.Append(path.name);
  if ((parts & TSplitPath::ExtPart) != 0) text.Append(path.ext);
  return text;
}

// The answer of a path query about path, or empty when the system gives none.
KString Ask(bool (*query)(const char*, char*), const KString& path) {
  char answer[platform::PathBufferSize] = {};
  return query(path, answer) ? KString(answer) : KString();
}

}  // namespace

TSplitPath::TSplitPath(const char* path) { Parse(path); }

TSplitPath::TSplitPath(const KString& path) { Parse(path); }

TSplitPath::TSplitPath(const char* hostText, const char* volumeText, const char* dirText,
                       const char* nameText, const char* extText)
    : unc(hostText != nullptr) {
  if (hostText != nullptr) {
    const char* start =
        BeginsWithNetworkPrefix(hostText) ? hostText + NetworkPrefixLength() : hostText;
    host = Range(start, FirstOf(start, Separators));
  }
  if (volumeText != nullptr) {
    volume = Range(volumeText, FirstOf(volumeText, unc ? Separators : ":"));
  }
  if (dirText != nullptr) {
    const char* colon = platform::MultibyteFind(dirText, ':');
    dir = colon != nullptr ? colon + 1 : dirText;
  }
  if (nameText != nullptr) {
    const char* start = NameStart(nameText);
    const char* dot = LastOf(start, ".");
    name = Range(start, dot != nullptr ? dot : start + std::strlen(start));
  }
  if (extText != nullptr) {
    const char* start = NameStart(extText);
    const char* dot = LastOf(start, ".");
    ext = dot != nullptr ? KString(dot) : KString(".") + start;
  }
}

TSplitPath::TSplitPath(TSpecial kind) {
  char answer[platform::PathBufferSize] = {};
  bool answered = false;
  std::string folder;
  switch (kind) {
    case NewTempFile:
      answered = platform::TempFolderPath(folder) &&
                 platform::CreateTempFile(folder.c_str(), TempFilePrefix, answer);
      break;
    case TempFolder:
      answered = platform::TempFolderPath(folder) &&
                 folder.size() < static_cast<std::size_t>(platform::PathBufferSize);
      if (answered) std::memcpy(answer, folder.c_str(), folder.size() + 1);
      break;
    case WorkingFolder:
      answered = platform::CurrentFolder(answer);
      break;
    case WindowsFolder:
      answered = platform::WindowsFolder(answer);
      break;
    case SystemFolder:
      answered = platform::SystemFolder(answer);
      break;
    case MachineName:
      answered = platform::ComputerName(answer);
      break;
  }
  if (answered) Parse(answer);
}

void TSplitPath::Parse(const char* path) {
  const char* const end = path + std::strlen(path);
  const char* rest = path;
  if (BeginsWithNetworkPrefix(path)) {
    unc = true;
    rest += NetworkPrefixLength();
    const char* separator = FirstOf(rest, Separators);
    host = Range(rest, separator);
    rest = separator == end ? end : separator + 1;
    separator = FirstOf(rest, Separators);
    volume = Range(rest, separator);
    rest = separator == end ? end : separator + 1;
  } else if (const char* colon = platform::MultibyteFind(path, ':')) {
    volume = Range(path, colon);
    rest = colon + 1;
  }

  const char* dot = LastOf(rest, ".");
  const char* separator = LastOf(rest, Separators);
  const char* nameEnd = end;
  if (dot != nullptr && (separator == nullptr || dot > separator)) {
    ext = Range(dot, end);
    nameEnd = dot;
  }
  name = Range(separator != nullptr ? separator + 1 : rest, nameEnd);
  if (separator != nullptr && separator > rest) {
    dir = Range(rest, separator);
  } else if (separator == path && platform::LeadingSeparatorIsRoot()) {
    // The text begins with its only separator: on POSIX a name in the root folder, which the
    // directory keeps as that separator.
    dir = Range(path, path + 1);
  }
}

KString TSplitPath::Compose(unsigned int parts) const { return Composed(*this, parts).Result(); }

KString TSplitPath::Canonical() const { return Ask(platform::FullPathName, Compose(AllParts)); }

KString TSplitPath::ShortPath() const { return Ask(platform::ShortPathName, Canonical()); }

KString TSplitPath::DisplayTitle() const { return Ask(platform::FileTitle, Canonical()); }

KString TSplitPath::Squeezed(int maxLen) const {
  for (const unsigned int parts : {unsigned(AllParts), HostPart | VolumePart | NamePart | ExtPart,
                                   NamePart | ExtPart, unsigned(NamePart)}) {
    const PathText text = Composed(*this, parts);
    if (!text.TooLong() && text.Length() <= maxLen) return text.Result();
  }
  return KString();
}

bool TSplitPath::HasParts(unsigned int parts) const {
  return ((parts & HostPart) != 0 && !host.IsEmpty()) ||
         ((parts & VolumePart) != 0 && !volume.IsEmpty()) ||
         ((parts & DirPart) != 0 && !dir.IsEmpty()) ||
         ((parts & NamePart) != 0 && !name.IsEmpty()) || ((parts & ExtPart) != 0 && !ext.IsEmpty());
}

void TSplitPath::SetParts(unsigned int parts, const KString& text) {
  if ((parts & HostPart) != 0) host = text;
  if ((parts & VolumePart) != 0) volume = text;
  if ((parts & DirPart) != 0) dir = text;
  if ((parts & NamePart) != 0) name = text;
  if ((parts & ExtPart) != 0) ext = text;
}

void TSplitPath::ClearParts(unsigned int parts) { SetParts(parts, KString()); }

bool TSplitPath::Exists() const { return platform::FileExists(Canonical()); }

void TSplitPath::Remove() {
  const KString path = Canonical();
  if (!platform::RemoveFile(path)) platform::RemoveFolder(path);
}

void TSplitPath::MoveFileTo(const TSplitPath& to, DWORD flags) {
  if (platform::MoveFileOrFolder(Canonical(), to.Canonical(), flags)) *this = to;
}

void TSplitPath::CopyFileTo(const TSplitPath& to, bool failIfExists) {
  platform::CopyOneFile(Canonical(), to.Canonical(), failIfExists);
}

BOOL TSplitPath::CreateFolder() { return platform::MakeFolder(Canonical()); }

BOOL TSplitPath::MakeCurrent() { return platform::ChangeCurrentFolder(Canonical()); }
