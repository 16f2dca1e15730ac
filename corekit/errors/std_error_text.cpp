#include "corekit/errors/std_error_text.h"

#include <cstdint>
#include <string>

#include "corekit/errors/lib_string.h"
#include "corekit/platform/system_message.h"

namespace corekit::internal {
namespace {

// The library's codes and the ids of their texts; a row covers first to last.
struct CodeRange {
  std::uint32_t first;
  std::uint32_t last;
  unsigned id;
};

constexpr CodeRange CodeTable[] = {
    {0x80040001u, 0x80040001u, 4001},  // Name cannot be empty
    {0x80040002u, 0x80040002u, 4002},  // Name is too long
    {0x80040003u, 0x80040003u, 4003},  // Name cannot be changed
    {0x80040004u, 0x80040004u, 4004},  // Name must be unique
    {0x80040010u, 0x80040010u, 4006},  // Value cannot be negative
    {0x80040011u, 0x80040011u, 4016},  // Value must be positive
    {0x80040012u, 0x80040012u, 4017},  // Value is out of range
    {0x80040014u, 0x80040014u, 4037},  // Value not chosen
    {0x80040015u, 0x80040015u, 4051},  // Invalid input
    {0x80040021u, 0x80040021u, 4036},  // DLL not found
    {0x80040040u, 0x80040040u, 4031},  // Cannot connect to the device
    {0x80040050u, 0x80040050u, 4047},  // Invalid file
    {0x80040102u, 0x80040102u, 4014},  // File format was not recognized
    {0x80040103u, 0x80040103u, 4019},  // There is no registered viewer for this file
    {0x80040104u, 0x80040104u, 4043},  // No data in file
    {0x80040105u, 0x80040105u, 4048},  // File is read-only
    {0x80040106u, 0x80040106u, 4052},  // Unknown format version
    {0x80040301u, 0x80040301u, 4030},  // Object with this name already exists
    {0x80040302u, 0x80040302u, 4038},  // Not a valid choice
    {0x80040408u, 0x80040408u, 4007},  // Value cannot be empty
    {0x80040410u, 0x80040410u, 4018},  // Object is in use and cannot be modified
    {0x80040412u, 0x80040412u, 4039},  // Cannot be deleted
    {0x80040510u, 0x80040510u, 4010},  // could not open file
    {0x80040511u, 0x80040519u, 4011},  // Not a valid KFF file
    {0x8004051Au, 0x8004051Au, 4012},  // Not a valid KFF file version
    {0x8004051Bu, 0x8004051Bu, 4013},  // Not a valid KFF file signature
    {0x00000002u, 0x00000002u, 4040},  // File not found (the system's own code for it)
    {0x000400A3u, 0x000400A3u, 4042},  // Field cannot be saved
    {0x000400A4u, 0x000400A4u, 4049},  // Some of the values are too long ...
    {0x000400A5u, 0x000400A5u, 4050},  // Some of the values are too long ...
    {0x00040104u, 0x00040104u, 4043},  // No data in file
    {0x00040301u, 0x00040301u, 4030},  // Object with this name already exists
    {0x00040302u, 0x00040302u, 4038},  // Not a valid choice
};

// The facility of the library's and its modules' own codes.
constexpr std::uint32_t InterfaceFacility = 4;

std::uint32_t FacilityOf(LONG code) { return (static_cast<std::uint32_t>(code) >> 16) & 0x1FFFu; }

}  // namespace

unsigned StdErrorStringId(LONG code) noexcept {
  const auto value = static_cast<std::uint32_t>(code);
  for (const CodeRange& range : CodeTable) {
    if (value >= range.first && value <= range.last) return range.id;
  }
  return 0;
}

KString SystemErrorText(LONG code, const KString& text1, const KString& text2,
                        const KString& text3) {
  std::string text;
  return platform::SystemMessageText(code, text1, text2, text3, text) ? WithoutLineEnd(text)
                                                                      : KString();
}

KString WithoutLineEnd(const std::string& text) {
  // The system's texts close with a line end of two characters; a shorter text has nothing else.
  if (text.size() <= 2) return KString();
  return KString(text.c_str(), 0, static_cast<int>(text.size() - 2));
}

KString StdErrorText(LONG code, const KString& text1, const KString& text2, const KString& text3) {
  if (const unsigned id = StdErrorStringId(code); id != 0) return LoadLibString(id);
  if (FacilityOf(code) == InterfaceFacility) return KString();
  return SystemErrorText(code, text1, text2, text3);
}

}  // namespace corekit::internal
