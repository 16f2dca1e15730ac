#include "corekit/winres/res_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/little_endian.h"

namespace {

using corekit::winres::NextResEntry;
using corekit::winres::ResEntry;
using corekit::winres::ResId;
using corekit::winres::ResIdKey;

// Writes .res images as resource compilers do.
class ResWriter {
public:
  ResWriter() { Add(Id(0), Id(0), 0, ""); }  // every .res file starts with an empty resource

  struct Name {
    std::u16string text;
    WORD number;
  };
  static Name Id(WORD number) { return {u"", number}; }
  static Name Text(std::u16string text) { return {std::move(text), 0}; }

  ResWriter& Add(const Name& type, const Name& name, WORD language, const std::string& data) {
    std::vector<BYTE> header;
    AppendName(header, type);
    AppendName(header, name);
    while ((8 + header.size()) % 4 != 0) header.push_back(0);
    for (int i = 0; i < 4; ++i) header.push_back(0);  // data version
    AppendWord(header, 0x30);                         // memory flags
    AppendWord(header, language);
    for (int i = 0; i < 8; ++i) header.push_back(0);  // version, characteristics
    AppendDword(m_image, static_cast<DWORD>(data.size()));
    AppendDword(m_image, static_cast<DWORD>(8 + header.size()));
    m_image.insert(m_image.end(), header.begin(), header.end());
    m_image.insert(m_image.end(), data.begin(), data.end());
    while (m_image.size() % 4 != 0) m_image.push_back(0);
    return *this;
  }

  const std::vector<BYTE>& Image() const { return m_image; }

private:
  static void AppendName(std::vector<BYTE>& out, const Name& name) {
    if (name.text.empty()) {
      AppendWord(out, 0xFFFF);
      AppendWord(out, name.number);
      return;
    }
    for (char16_t c : name.text) AppendWord(out, c);
    AppendWord(out, 0);
  }

  std::vector<BYTE> m_image;
};

std::string Describe(const ResId& id) {
  if (id.isNumber) return "#" + std::to_string(id.number);
  std::string text;
  for (std::size_t i = 0; i < id.length; ++i) text += static_cast<char>(id.At(i));
  return text;
}

std::vector<std::string> ReadAll(const std::vector<BYTE>& image) {
  std::vector<std::string> read;
  std::size_t offset = 0;
  ResEntry entry;
  while (NextResEntry(image.data(), image.size(), offset, entry)) {
    read.push_back(Describe(entry.type) + "/" + Describe(entry.name) + "/" +
                   std::to_string(entry.language) + "/" +
                   std::string(reinterpret_cast<const char*>(entry.data), entry.size));
  }
  return read;
}

const std::vector<BYTE>& Sample() {
  static const std::vector<BYTE> image =
      ResWriter()
          .Add(ResWriter::Id(6), ResWriter::Id(251), 0x0009, "strings")
          .Add(ResWriter::Text(u"SURVEY"), ResWriter::Id(42), 0x0407, "abc")
          .Add(ResWriter::Id(10), ResWriter::Text(u"ODD"), 0, "12345")
          .Image();
  return image;
}

TEST(ResFormat, ReadsEveryResourceInOrder) {
  EXPECT_EQ(ReadAll(Sample()),
            (std::vector<std::string>{"#0/#0/0/", "#6/#251/9/strings", "SURVEY/#42/1031/abc",
                                      "#10/ODD/0/12345"}));
}

TEST(ResFormat, DamagedImagesEndTheReadingSafely) {
  // Every cut of the image reads a prefix of its resources, never past the cut.
  const std::vector<std::string> whole = ReadAll(Sample());
  for (std::size_t size = 0; size < Sample().size(); ++size) {
    const std::vector<BYTE> cut(Sample().begin(),
                                Sample().begin() + static_cast<std::ptrdiff_t>(size));
    const std::vector<std::string> read = ReadAll(cut);
    ASSERT_LE(read.size(), whole.size()) << size;
    EXPECT_TRUE(std::equal(read.begin(), read.end(), whole.begin())) << size;
  }
  // Sizes that point outside the image.
  std::vector<BYTE> damaged = Sample();
  damaged[32 + 4] = 0xF0;  // the second header's size
  EXPECT_EQ(ReadAll(damaged).size(), 1u);
  damaged = Sample();
  damaged[32 + 3] = 0x80;  // the second resource's data size
  EXPECT_EQ(ReadAll(damaged).size(), 1u);
  EXPECT_TRUE(ReadAll({}).empty());
}

// A wanted type or name finds a stored one when both have a key and the keys are equal.
bool Matches(const ResId& id, const char* wanted) {
  const auto key = ResIdKey(id);
  return key && key == ResIdKey(wanted);
}

TEST(ResFormat, IdsMatchNumbersAndTextsWithoutCase) {
  const std::vector<BYTE> image = ResWriter()
                                      .Add(ResWriter::Text(u"Survey_Data"), ResWriter::Id(7), 0, "")
                                      .Add(ResWriter::Text(u"\u00C4"), ResWriter::Id(1), 0, "")
                                      .Image();
  std::size_t offset = 32;
  ResEntry entry, other;
  ASSERT_TRUE(NextResEntry(image.data(), image.size(), offset, entry));
  ASSERT_TRUE(NextResEntry(image.data(), image.size(), offset, other));
  const struct {
    const ResId& id;
    const char* wanted;
    bool matches;
  } cases[] = {
      {entry.type, "SURVEY_DATA", true},
      {entry.type, "Survey", false},
      {entry.type, "Survey_Data2", false},
      {entry.type, "#7", false},
      {entry.name, MAKEINTRESOURCEA(7), true},
      {entry.name, "#7", true},
      {entry.name, "#07", true},
      {entry.name, "7", false},
      {entry.name, "#", false},
      {entry.name, "#7x", false},
      {entry.name, "#65543", false},
      {entry.name, MAKEINTRESOURCEA(8), false},
      {entry.name, nullptr, false},
      {other.type, "\xC4", false},  // texts outside ASCII match nothing, not even themselves
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Matches(c.id, c.wanted), c.matches)
        << (IS_INTRESOURCE(c.wanted) ? "number" : c.wanted);
  }
  EXPECT_EQ(ResIdKey("#65535"), ResIdKey(MAKEINTRESOURCEA(65535)));
  EXPECT_NE(ResIdKey("#65536"), ResIdKey(ResId{true, 0, nullptr, 0}));  // a text: no WORD fits
}

}  // namespace
