#include "corekit/platform/resources.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/core/loaded_module.h"
#include "tests/support/little_endian.h"

namespace {

using corekit::platform::FindModuleResource;
using corekit::platform::LockModuleResource;
using corekit::platform::ModuleResourceSize;

const char* const StringType = MAKEINTRESOURCEA(6);

// String id of a string-table resource, read from the module's block in exactly that language;
// nullopt-like empty marker "<none>" when the block or the entry is missing.
std::u16string ReadTableString(HMODULE module, unsigned id, WORD language) {
  const HRSRC block =
      FindModuleResource(module, StringType, MAKEINTRESOURCEA((id >> 4) + 1), language);
  if (block == nullptr) return u"<none>";
  const auto* data = static_cast<const unsigned char*>(LockModuleResource(module, block));
  const DWORD size = ModuleResourceSize(module, block);
  if (data == nullptr) return u"<unlocked>";
  std::size_t at = 0;
  auto unit = [&](std::size_t offset) {
    return static_cast<char16_t>(LoadLittleEndian(data + offset, 2));
  };
  for (unsigned index = 0; index < (id & 15); ++index) {
    if (at + 2 > size) return u"<short>";
    at += 2 + 2 * unit(at);
  }
  if (at + 2 > size) return u"<short>";
  std::u16string text;
  for (unsigned i = 0; i < unit(at); ++i) text += unit(at + 2 + 2 * i);
  return text;
}

std::string Narrow(const std::u16string& text) { return std::string(text.begin(), text.end()); }

TEST(ModuleResources, FindsStringsInExactlyTheGivenLanguage) {
  const struct {
    unsigned id;
    WORD language;
    std::u16string text;
  } cases[] = {
      {100, 0x0009, u"could not open file"},
      {100, 0x0407, u"Datei konnte nicht ge\u00f6ffnet werden"},
      {100, 0x0000, u"neutral"},
      {100, 0x0409, u"<none>"},
      {100, 0x0807, u"<none>"},
      {117, 0x0009, u"second block"},
      {117, 0x0407, u"<none>"},
      {101, 0x0009, u""},  // in a block that exists, an id without text is empty
      {4000, 0x0009, u"<none>"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadTableString(nullptr, c.id, c.language), c.text) << c.id << " in " << c.language;
  }
}

TEST(ModuleResources, NamesAndTypesByNumberOrText) {
  const char* const RawData = MAKEINTRESOURCEA(10);
  const struct {
    const char* type;
    const char* name;
    const char* data;
  } cases[] = {
      {RawData, "SAMPLE", "sample data"},
      {RawData, "sample", "sample data"},
      {"#10", "Sample", "sample data"},
      {"SURVEYDATA", MAKEINTRESOURCEA(42), "typed by name"},
      {"surveydata", "#42", "typed by name"},
      {RawData, "SAMPLES", nullptr},
      {RawData, "#0", nullptr},
      {"SURVEY", MAKEINTRESOURCEA(42), nullptr},
  };
  for (const auto& c : cases) {
    const HRSRC found = FindModuleResource(nullptr, c.type, c.name, 0x0009);
    const std::string label = IS_INTRESOURCE(c.name) ? "#number" : c.name;
    if (c.data == nullptr) {
      EXPECT_EQ(found, nullptr) << label;
      continue;
    }
    ASSERT_NE(found, nullptr) << label;
    const auto* data = static_cast<const char*>(LockModuleResource(nullptr, found));
    ASSERT_NE(data, nullptr) << label;
    EXPECT_EQ(std::string(data, ModuleResourceSize(nullptr, found)), c.data) << label;
  }
  // Null handles lock nothing.
  EXPECT_EQ(LockModuleResource(nullptr, nullptr), nullptr);
  EXPECT_EQ(ModuleResourceSize(nullptr, nullptr), 0u);
}

TEST(ModuleResources, TheLibraryCarriesItsEnglishTexts) {
  const LoadedModule library(COREKIT_LIBRARY_FILE);
  ASSERT_NE(library.Get(), nullptr);
  const struct {
    unsigned id;
    const char* text;
  } cases[] = {
      {4000, "Unknown error"},
      {4041, "Error # %lx"},
      {4050, "Some of the values are too long to be saved in this file format"},
      {4005, ""},  // ids without text
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Narrow(ReadTableString(library.Get(), c.id, 0x0009)), c.text) << c.id;
    EXPECT_EQ(Narrow(ReadTableString(library.Get(), c.id, 0x0409)), "<none>") << c.id;
  }
  // This program carries resources of its own, not the library's.
  EXPECT_EQ(Narrow(ReadTableString(nullptr, 4010, 0x0009)), "<none>");
}

}  // namespace
