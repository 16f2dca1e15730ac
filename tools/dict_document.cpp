#include "tools/dict_document.h"

#include <algorithm>
#include <fstream>
#include <functional>
#include <ostream>
#include <sstream>
#include <string_view>

#include "corekit/translate/dictionary_text.h"

namespace corekit::tool {
namespace {

constexpr const char* ReferencePrefix = "#: ";
constexpr const char* ReviewPrefix = "#, review";
constexpr const char* ObsoleteKeyPrefix = "#~ ";
constexpr const char* ObsoleteValuePrefix = "#~= ";

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

// Line numbers of positions that come in order, counted once over the text.
class LineCounter {
public:
  LineCounter(const char* start, int line) : m_at(start), m_line(line) {}
  int LineAt(const char* at) {
    if (at > m_at) {
      m_line += static_cast<int>(std::count(m_at, at, '\n'));
      m_at = at;
    }
    return m_line;
  }

private:
  const char* m_at;
  int m_line;
};

std::string Unescaped(const char* first, const char* end) {
  const KString text = UnescapeDictionaryText(first, end);
  return std::string(static_cast<const char*>(text), static_cast<std::size_t>(text.GetLength()));
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  for (std::size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', from)) {
    lines.push_back(text.substr(from, end - from));
    from = end + 1;
  }
  lines.push_back(text.substr(from));
  return lines;
}

// Reads the text between two pairs (or before the first, after the last): its comment lines go to
// lines, its obsolete pairs to the document, and any "]" outside a comment line is a stray.
void ReadGap(LineCounter& counter, const char* first, const char* end, bool afterPair,
             std::vector<std::string>& lines, DictDocument& document) {
  std::vector<std::string> gap = SplitLines(std::string(first, end));
  int line = counter.LineAt(first);
  std::vector<std::string> references;
  bool obsoleteSection = false;
  for (std::size_t i = 0; i < gap.size(); ++i, ++line) {
    const std::string& text = gap[i];
    const std::size_t nonBlank = text.find_first_not_of(" \t\r");
    const bool comment =
        nonBlank != std::string::npos && text[nonBlank] == '#' && !(i == 0 && afterPair);
    if (!comment && text.find(']') != std::string::npos) {
      document.strays.push_back({line,
                                 "a ']' outside a pair: no text can hold ']', the text "
                                 "before it ends at the first one"});
    }
    if (i == 0 && afterPair) continue;  // the rest of the line of the previous pair
    if (i + 1 == gap.size() && nonBlank == std::string::npos) break;  // before the next "["
    if (text == ObsoleteHeading) {  // with the blank line the writer puts before it
      if (!lines.empty() && lines.back().empty()) lines.pop_back();
      obsoleteSection = true;
      continue;
    }
    if (obsoleteSection && nonBlank == std::string::npos) continue;
    if (StartsWith(text, ObsoleteKeyPrefix)) {
      DictEntry entry;
      entry.key = UnescapeCommentText(text.substr(3));
      entry.line = line;
      if (i + 1 < gap.size() && StartsWith(gap[i + 1], ObsoleteValuePrefix)) {
        entry.value = UnescapeCommentText(gap[++i].substr(4));
        ++line;
      }
      entry.comments = std::move(references);
      references.clear();
      document.obsolete.push_back(std::move(entry));
      continue;
    }
    // The "#" lines directly above an obsolete pair (references, notes, a review) belong to it.
    if (StartsWith(text, "#")) {
      references.push_back(text);
      continue;
    }
    lines.insert(lines.end(), references.begin(), references.end());
    references.clear();
    lines.push_back(text);
  }
  lines.insert(lines.end(), references.begin(), references.end());
}

// Whether positions that come in order lie in a comment line: the text before them on their
// line begins with "#". Each byte is looked at once. The line may have begun in an earlier piece
// of the text, whose part of it is given as a LineStart.
class CommentLines {
public:
  CommentLines(const char* start, DictParser::LineStart before)
      : m_lineStart(start), m_seen(start), m_before(before) {}
  bool InComment(const char* at) { return Classify(at) == DictParser::LineStart::Comment; }

  // What the line's text before at is.
  DictParser::LineStart Classify(const char* at) {
    for (const char* p = at; p > m_seen; --p) {
      if (p[-1] == '\n') {
        m_lineStart = p;
        m_before = DictParser::LineStart::Blank;
        break;
      }
    }
    m_seen = std::max(m_seen, at);
    if (m_before != DictParser::LineStart::Blank) return m_before;
    const char* line = m_lineStart;
    while (line < at && (*line == ' ' || *line == '\t')) ++line;
    return line == at     ? DictParser::LineStart::Blank
           : *line == '#' ? DictParser::LineStart::Comment
                          : DictParser::LineStart::Text;
  }

private:
  const char* m_lineStart;
  const char* m_seen;  // the line starts before it are known
  DictParser::LineStart m_before;
};

// The notes at the top of the file up to its first blank line become the document's header.
void TakeHeader(std::vector<std::string>& top, DictDocument& document) {
  const auto blank = std::find(top.begin(), top.end(), "");
  if (blank != top.end() && blank != top.begin() &&
      std::all_of(top.begin(), blank, IsTranslatorNote)) {
    document.header.assign(top.begin(), blank);
    top.erase(top.begin(), blank + 1);
  }
}

}  // namespace

std::unordered_map<std::string_view, std::size_t> FirstEntryOfEachKey(
    const std::vector<DictEntry>& entries) {
  std::unordered_map<std::string_view, std::size_t> first;
  first.reserve(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) first.emplace(entries[i].key, i);
  return first;
}

bool IsReviewLine(const std::string& line) {
  return StartsWith(line, "#, ") || StartsWith(line, "#| ");
}

bool IsTranslatorNote(const std::string& line) {
  return line.size() > 1 && line[0] == '#' &&
         std::string_view(":,|~").find(line[1]) == std::string_view::npos;
}

std::vector<std::string> DictEntry::References() const {
  std::vector<std::string> references;
  for (const std::string& comment : comments) {
    if (StartsWith(comment, ReferencePrefix)) references.push_back(comment.substr(3));
  }
  return references;
}

bool DictEntry::MarkedForReview() const {
  return std::any_of(comments.begin(), comments.end(),
                     [](const std::string& comment) { return StartsWith(comment, ReviewPrefix); });
}

std::size_t DictParser::Feed(const std::string& text, bool last, DictDocument& document) {
  // A UTF-8 byte order mark, as editors on Windows write it, is no part of the first line.
  const std::size_t mark = m_started || !text.starts_with("\xEF\xBB\xBF") ? 0 : 3;
  if (!last && text.size() < 3 && !m_started) return 0;
  m_started = true;
  const char* const start = text.c_str() + mark;
  LineCounter counter(start, m_line);
  CommentLines commentLines(start, m_lineStart);
  const char* at = start;
  TDictionaryPair pair;
  const std::size_t firstEntry = document.entries.size();
  while (NextDictionaryPair(at, pair)) {
    DictEntry entry;
    ReadGap(counter, at, pair.keyOpen, m_afterPair, entry.comments, document);
    entry.key = Unescaped(pair.keyOpen + 1, pair.keyClose);
    entry.value = Unescaped(pair.valueOpen + 1, pair.valueClose);
    entry.line = counter.LineAt(pair.keyOpen);
    if (commentLines.InComment(pair.keyOpen)) {
      document.strays.push_back({entry.line, "a '[' in a comment line starts a key here"});
    }
    if (std::find(pair.keyClose + 1, pair.valueOpen, ']') != pair.valueOpen) {
      document.strays.push_back({counter.LineAt(pair.keyClose + 1),
                                 "a ']' after the key: no text can hold ']', the key ends at "
                                 "the first one"});
    }
    document.entries.push_back(std::move(entry));
    at = pair.valueClose + 1;
    m_afterPair = true;
  }
  if (!m_header && document.entries.size() > firstEntry) {
    TakeHeader(document.entries[firstEntry].comments, document);
    m_header = true;
  }
  if (!last) {
    // The rest waits for more text: the pairs found end before the cut, whatever follows.
    m_line = counter.LineAt(at);
    m_lineStart = commentLines.Classify(at);
    return static_cast<std::size_t>(at - text.c_str());
  }
  // The library stops at a zero byte, as the search for brackets does.
  const char* const end = start + std::char_traits<char>::length(start);
  ReadGap(counter, at, pair.keyOpen != nullptr ? pair.keyOpen : end, m_afterPair, document.trailing,
          document);
  if (pair.keyOpen != nullptr) {
    document.strays.push_back({counter.LineAt(pair.keyOpen),
                               "an incomplete pair: it and the rest of the file are not read"});
  }
  if (!m_header) TakeHeader(document.trailing, document);
  m_header = true;
  return text.size();
}

DictDocument ParseDictDocument(const std::string& text) {
  DictDocument document;
  DictParser().Feed(text, true, document);
  return document;
}

bool ReadDictPieces(const std::string& path, DictFileReader& reader,
                    const std::function<void(const std::string&, int, DictDocument&)>& handle) {
  if (!reader.Open(path)) return false;
  DictParser parser;
  std::string text;
  int line = 1;
  for (bool more = true; more;) {
    more = reader.Read(text);
    DictDocument piece;
    const std::size_t used = parser.Feed(text, !more, piece);
    if (used == 0 && more) continue;  // no complete pair yet
    const std::string read = text.substr(0, used);
    text.erase(0, used);
    handle(read, line, piece);
    line += static_cast<int>(std::count(read.begin(), read.end(), '\n'));
  }
  return true;
}

bool ReadDictDocument(const std::string& path, DictDocument& document) {
  document = {};
  DictFileReader reader;
  return ReadDictPieces(path, reader, [&](const std::string&, int, DictDocument& piece) {
    if (!piece.header.empty()) document.header = std::move(piece.header);
    for (DictEntry& entry : piece.entries) document.entries.push_back(std::move(entry));
    for (DictStray& stray : piece.strays) document.strays.push_back(std::move(stray));
    for (DictEntry& entry : piece.obsolete) document.obsolete.push_back(std::move(entry));
    for (std::string& line : piece.trailing) document.trailing.push_back(std::move(line));
  });
}

std::string EscapeCommentText(const std::string& text) {
  std::string escaped;
  for (const char c : EscapeDictionaryText(text)) {
    if (c == '[') {
      escaped += "\\x5b";
    } else if (c == ']') {
      escaped += "\\x5d";
    } else {
      escaped += c;
    }
  }
  return escaped;
}

std::string UnescapeCommentText(const std::string& text) {
  std::string plain;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      plain += text[i];
      continue;
    }
    const char next = text[++i];
    if (next == 'n') {
      plain += '\n';
    } else if (next == 't') {
      plain += '\t';
    } else if (next == 'r') {
      plain += '\r';
    } else if (next == 'x' && text.compare(i + 1, 2, "5b") == 0) {
      plain += '[';
      i += 2;
    } else if (next == 'x' && text.compare(i + 1, 2, "5d") == 0) {
      plain += ']';
      i += 2;
    } else {
      plain += next;  // "\\" and an unknown escape give the character itself
    }
  }
  return plain;
}

DictWriter::~DictWriter() { m_out << m_text; }

// The reader takes one byte order mark away from the start of a file: a document whose first line
// starts with one is written after a mark of its own, so that the line reads back as it was.
void DictWriter::Begin(std::string_view first) {
  if (m_begun) return;
  m_begun = true;
  if (first.starts_with("\xEF\xBB\xBF")) m_text += "\xEF\xBB\xBF";
}

void DictWriter::Add(std::string_view part) {
  Begin(part);
  m_text += part;
  if (m_text.size() >= 1 << 16) {
    m_out << m_text;
    m_text.clear();
  }
}

void DictWriter::Line(std::string_view first, std::string_view second) {
  Begin(first);
  m_text += first;
  m_text += second;
  Add("\n");
}

void DictWriter::Header(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) Line(line);
  if (!lines.empty()) Line({});
}

void DictWriter::Entry(const DictEntry& entry) {
  for (const std::string& comment : entry.comments) Line(comment);
  Add(DictionaryPairLine(entry.key, entry.value));
}

void DictWriter::Trailing(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) Line(line);
}

void DictWriter::Obsolete(const DictEntry& entry) {
  if (!m_obsolete) {
    Line({});
    Line(ObsoleteHeading);
    m_obsolete = true;
  }
  Line({});
  for (const std::string& comment : entry.comments) Line(comment);
  Line(ObsoleteKeyPrefix, EscapeCommentText(entry.key));
  Line(ObsoleteValuePrefix, EscapeCommentText(entry.value));
}

void WriteDictDocumentTo(const DictDocument& document, DictSink& sink) {
  sink.Header(document.header);
  for (const DictEntry& entry : document.entries) sink.Entry(entry);
  sink.Trailing(document.trailing);
  for (const DictEntry& entry : document.obsolete) sink.Obsolete(entry);
}

std::string WriteDictDocument(const DictDocument& document) {
  std::ostringstream text;
  {
    DictWriter writer(text);
    WriteDictDocumentTo(document, writer);
  }
  return std::move(text).str();
}

bool WriteDictOutput(const std::string& path, const std::function<void(DictSink&)>& write,
                     std::ostream& out) {
  std::ofstream file;
  if (!path.empty()) file.open(path, std::ios::binary);
  std::ostream& stream = path.empty() ? out : file;
  {
    DictWriter writer(stream);
    write(writer);
  }
  return static_cast<bool>(stream);
}

}  // namespace corekit::tool
