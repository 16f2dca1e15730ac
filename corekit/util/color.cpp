#include "corekit/util/color.h"

#include "corekit/platform/system_colors.h"

namespace {

constexpr ULONG PaletteIndexFlag = 0x01000000;
constexpr ULONG PaletteRelativeFlag = 0x02000000;

constexpr ULONG Components(int red, int green, int blue) {
  return static_cast<ULONG>(red & 0xFF) | (static_cast<ULONG>(green & 0xFF) << 8) |
         (static_cast<ULONG>(blue & 0xFF) << 16);
}

}  // namespace

TColor::TColor() : m_value(0) {}
TColor::TColor(const TColor& other) = default;
TColor& TColor::operator=(const TColor& other) = default;
TColor::TColor(long value) : m_value(static_cast<ULONG>(value)) {}
TColor::TColor(unsigned long value) : m_value(static_cast<ULONG>(value)) {}
#if !defined(_WIN32)
TColor::TColor(ULONG value) : m_value(value) {}
#endif
TColor::TColor(int red, int green, int blue) : m_value(Components(red, green, blue)) {}
TColor::TColor(int red, int green, int blue, int flags)
    : m_value(Components(red, green, blue) | (static_cast<ULONG>(flags & 0xFF) << 24)) {}
TColor::TColor(int index) : m_value((static_cast<ULONG>(index) & 0xFFFF) | PaletteIndexFlag) {}
TColor::TColor(const PALETTEENTRY& entry)
    : m_value(Components(entry.peRed, entry.peGreen, entry.peBlue)) {}
TColor::TColor(const RGBQUAD& quad)
    : m_value(Components(quad.rgbRed, quad.rgbGreen, quad.rgbBlue)) {}
TColor::TColor(const RGBTRIPLE& triple)
    : m_value(Components(triple.rgbtRed, triple.rgbtGreen, triple.rgbtBlue)) {}

void TColor::SetValue(const ULONG& value) { m_value = value; }

ULONG TColor::GetValue() const {
  return IsSysColor() ? corekit::platform::SystemColor(Index()) : m_value;
}

TColor::operator ULONG() const { return GetValue(); }

unsigned char TColor::Flags() const { return static_cast<unsigned char>(m_value >> 24); }
int TColor::Index() const { return static_cast<int>(m_value & 0xFFFF); }
bool TColor::IsSysColor() const { return Flags() == 0x80; }
bool TColor::IsSpecialColor() const { return (m_value & 0xF0000000) == 0xF0000000; }
unsigned char TColor::Red() const { return static_cast<unsigned char>(GetValue()); }
unsigned char TColor::Green() const { return static_cast<unsigned char>(GetValue() >> 8); }
unsigned char TColor::Blue() const { return static_cast<unsigned char>(GetValue() >> 16); }
TColor TColor::Rgb() const { return TColor(GetValue()); }
TColor TColor::PalIndex() const {
  return TColor(static_cast<ULONG>(static_cast<ULONG>(Index()) | PaletteIndexFlag));
}
TColor TColor::PalRelative() const {
  return TColor(static_cast<ULONG>(Rgb().m_value | PaletteRelativeFlag));
}

bool TColor::operator==(const TColor& other) const { return m_value == other.m_value; }
bool TColor::operator!=(const TColor& other) const { return m_value != other.m_value; }
bool TColor::operator==(ULONG value) const { return GetValue() == value; }
bool TColor::operator!=(ULONG value) const { return GetValue() != value; }
#if !defined(_WIN32)
bool TColor::operator==(unsigned long value) const { return GetValue() == value; }
bool TColor::operator!=(unsigned long value) const { return GetValue() != value; }
#endif

LONG NColors(unsigned short bitCount) {
  switch (bitCount) {
    case 1:
      return 2;
    case 4:
      return 16;
    case 8:
      return 256;
    case 16:
    case 24:
    case 32:
      return 0;
    default:
      return -1;
  }
}

unsigned short NBits(LONG colours) {
  if (colours <= 2) return 1;
  if (colours <= 16) return 4;
  if (colours <= 256) return 8;
  if (colours <= 65536) return 16;
  return 24;
}
