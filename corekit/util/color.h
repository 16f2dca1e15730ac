#pragma once

#include "corekit/export.h"
#include "corekit/platform/interface_types.h"

// A colour word in the platform's colour-reference layout: red, green and blue in bits 0-23 and a
// flags byte in bits 24-31 that makes it a plain colour (0x00), a palette index (0x01), a
// palette-relative colour (0x02), a system colour resolved when used (0x80) or a special
// non-colour (top four bits set: None, Transparent).
class COREKIT_API TColor {
public:
  // Black (0); a copy of other.
  TColor();
  TColor(const TColor& other);
  // Takes other's word.
  TColor& operator=(const TColor& other);
  // The word unchanged, of any kind (its low 32 bits). An int is a palette index instead: pass
  // words as unsigned numbers (TColor(0xFF000000UL)) or through SetValue.
  TColor(long value);
  TColor(unsigned long value);
#if !defined(_WIN32)
  TColor(ULONG value);  // ULONG is unsigned int here
#endif
  // A plain colour from the low 8 bits of each component: TColor(300, -1, 256) is 0x0000FF2C.
  TColor(int red, int green, int blue);
  // The same with the low 8 bits of flags as the flags byte.
  TColor(int red, int green, int blue, int flags);
  // A palette index (its low 16 bits): TColor(0x12345) is 0x01002345.
  TColor(int index);
  // Plain colours from the platform's palette and bitmap records (flags bytes ignored).
  TColor(const PALETTEENTRY& entry);
  TColor(const RGBQUAD& quad);
  TColor(const RGBTRIPLE& triple);

  // Sets the word unchanged, of any kind.
  void SetValue(const ULONG& value);

  // The word, with a system colour resolved to the colour the user interface uses now; an index the
  // system has no colour for (on POSIX any above 24) gives 0, black.
  ULONG GetValue() const;
  operator ULONG() const;

  // The flags byte; the palette or system colour index (the low 16 bits); whether the word is a
  // system colour (flags 0x80) or a special non-colour (None, Transparent).
  unsigned char Flags() const;
  int Index() const;
  bool IsSysColor() const;
  bool IsSpecialColor() const;
  // Components of GetValue().
  unsigned char Red() const;
  unsigned char Green() const;
  unsigned char Blue() const;
  // GetValue() as a colour; the palette index of the low 16 bits; Rgb() made palette-relative.
  TColor Rgb() const;
  TColor PalIndex() const;
  TColor PalRelative() const;

  // Between colours the raw words are compared; against a number, GetValue().
  bool operator==(const TColor& other) const;
  bool operator!=(const TColor& other) const;
  bool operator==(ULONG value) const;
  bool operator!=(ULONG value) const;
#if !defined(_WIN32)
  bool operator==(unsigned long value) const;  // ULONG is unsigned int here
  bool operator!=(unsigned long value) const;
#endif

  // Plain colours: black, light grey, grey, the light primaries and white.
  static const TColor Black, LtGray, Gray, LtRed, LtGreen, LtYellow, LtBlue, LtMagenta, LtCyan,
      White;
  // Special non-colours: no colour at all, and the transparent colour.
  static const TColor None, Transparent;
  // The system colours 0 to 24 (COLOR_SCROLLBAR to COLOR_INFOBK), resolved when used.
  static const TColor SysScrollbar, SysDesktop, SysActiveCaption, SysInactiveCaption, SysMenu,
      SysWindow, SysWindowFrame, SysMenuText, SysWindowText, SysCaptionText, SysActiveBorder,
      SysInactiveBorder, SysAppWorkspace, SysHighlight, SysHighlightText, Sys3dFace, Sys3dShadow,
      SysGrayText, SysBtnText, SysInactiveCaptionText, Sys3dHilight, Sys3dDkShadow, Sys3dLight,
      SysInfoText, SysInfoBk;

private:
  ULONG m_value;
};

// The palette size of a pixel depth: 1 gives 2, 4 gives 16, 8 gives 256; 16, 24 and 32 give 0 (no
// palette); any other depth -1.
COREKIT_API LONG NColors(unsigned short bitCount);

// The smallest supported pixel depth for a palette of that many colours: 1, 4, 8, 16 or 24.
COREKIT_API unsigned short NBits(LONG colours);
