#pragma once

// A dictionary file as its translators see it: the pairs the library reads, in order, with the
// comment lines around them and their line numbers, and the section of obsolete texts that the
// dict commands keep for reference. Reading finds pairs exactly as the library does; the pairs are
// written by the library's DictionaryPairLine.
//
// Conventions of the comment lines (text outside pairs, which may hold no "["):
//   #: string 4010        the resource a text comes from (several lines for a shared text)
//   #, review ...         the English text changed; the translation must be checked
//   #| ...                the old English text or translation beside a review mark
//   #~ text / #~= text    an obsolete pair, no longer read by the library
//   # ...                 a translator's note, which merging keeps with its text
// In the texts of these lines the escapes of pairs apply, and "[" and "]" are written \x5b, \x5d.

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "tools/dict_file_reader.h"

namespace corekit::tool {

struct DictEntry {
  std::string key;    // English, as the library reads it: the escapes replaced
  std::string value;  // the translation; empty leaves the English text
  int line = 0;       // the line of the key's "[", from 1
  // The lines between the previous pair and this one as written, blank ones as "", without the
  // obsolete section's lines.
  std::vector<std::string> comments;

  // The texts of the "#: " lines: where the English text comes from.
  std::vector<std::string> References() const;
  // True when a "#, review" line marks the translation for review.
  bool MarkedForReview() const;
};

// The index of the first entry of each key: the one the library reads. The keys are views of the
// entries' own.
std::unordered_map<std::string_view, std::size_t> FirstEntryOfEachKey(
    const std::vector<DictEntry>& entries);

// True for a review mark and the lines beside it ("#, " and "#| ").
bool IsReviewLine(const std::string& line);

// True for a translator's own note: a "#" line that is none of the marks above.
bool IsTranslatorNote(const std::string& line);

// Something in the text between pairs that the library reads otherwise than a translator meant.
struct DictStray {
  int line = 0;
  std::string what;
};

struct DictDocument {
  // The notes at the top of the file that describe it, up to the first blank line.
  std::vector<std::string> header;
  std::vector<DictEntry> entries;
  std::vector<std::string> trailing;  // the lines after the last pair
  std::vector<DictEntry> obsolete;    // "#~" pairs, with their "#: " lines as comments
  std::vector<DictStray> strays;      // a "]" outside pairs, an incomplete pair at the end
};

// Reads a dictionary text piece by piece, as it comes from a file, into documents that hold the
// pairs, comments and strays of each piece.
class DictParser {
public:
  // What the text of a line before a position is: blanks (or nothing), a comment, other text.
  enum class LineStart { Blank, Comment, Text };

  // Reads the pairs of text, which goes on from the text fed before, into document; when last,
  // also what follows the last pair (the trailing lines, the obsolete section, an incomplete
  // pair). Returns the length of text read: up to the end of its last complete pair (the rest is
  // to be fed again, with more text after it), or all of it when last.
  std::size_t Feed(const std::string& text, bool last, DictDocument& document);

private:
  int m_line = 1;                            // the line of the next text fed
  LineStart m_lineStart = LineStart::Blank;  // that line's text fed before
  bool m_started = false;                    // past a byte order mark
  bool m_afterPair = false;                  // a pair was read
  bool m_header = false;                     // the header was looked for
};

// The document of a dictionary text as the library reads it (text mode: CR LF read as LF).
DictDocument ParseDictDocument(const std::string& text);

// Reads the file at path as the library does, block by block: handle gets each piece of text read
// (ending after a complete pair, the last with the rest), the line it starts on and its document,
// whose parts it may take. False when the file cannot be opened or read.
bool ReadDictPieces(const std::string& path, DictFileReader& reader,
                    const std::function<void(const std::string&, int, DictDocument&)>& handle);

// The file at path read as the library reads it; false when it cannot be opened.
bool ReadDictDocument(const std::string& path, DictDocument& document);

// The text of the document: the header and a blank line; each entry's comment lines, then its pair
// on a line of its own; the trailing lines; the obsolete section.
std::string WriteDictDocument(const DictDocument& document);

// Takes a document part by part in the order of its text: the header, the entries, the trailing
// lines, the obsolete texts.
class DictSink {
public:
  virtual ~DictSink() = default;
  virtual void Header(const std::vector<std::string>& lines) = 0;
  virtual void Entry(const DictEntry& entry) = 0;
  virtual void Trailing(const std::vector<std::string>& lines) = 0;
  virtual void Obsolete(const DictEntry& entry) = 0;
};

// Writes the parts as WriteDictDocument does, to a stream as they come, in blocks of about 64 KiB
// (the rest when it ends), so that a large document is never held as text.
class DictWriter final : public DictSink {
public:
  explicit DictWriter(std::ostream& out) : m_out(out) {}
  ~DictWriter() override;
  DictWriter(const DictWriter&) = delete;
  DictWriter& operator=(const DictWriter&) = delete;
  void Header(const std::vector<std::string>& lines) override;
  void Entry(const DictEntry& entry) override;
  void Trailing(const std::vector<std::string>& lines) override;
  void Obsolete(const DictEntry& entry) override;

private:
  void Begin(std::string_view first);
  void Add(std::string_view part);
  void Line(std::string_view first, std::string_view second = {});

  std::ostream& m_out;
  std::string m_text;       // not written yet
  bool m_obsolete = false;  // the obsolete section's heading is written
  bool m_begun = false;     // the first bytes are written
};

// Hands the document's parts to sink.
void WriteDictDocumentTo(const DictDocument& document, DictSink& sink);

// Text for a comment line: the escapes of pairs, and "[" and "]" as \x5b and \x5d.
std::string EscapeCommentText(const std::string& text);
std::string UnescapeCommentText(const std::string& text);

// The heading of the obsolete section.
inline constexpr const char* ObsoleteHeading =
    "# ---- obsolete: gone from the module, kept for reference; not read ----";

// Writes what write hands its writer to the file at path, or to out when path is empty; false
// when the file cannot be written.
bool WriteDictOutput(const std::string& path, const std::function<void(DictSink&)>& write,
                     std::ostream& out);

}  // namespace corekit::tool
