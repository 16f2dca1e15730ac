#include "corekit/util/color.h"

#include <gtest/gtest.h>

#include <iterator>
#include <utility>

#include "corekit/platform/system_colors.h"

namespace {

TEST(Color, ConstructorsStoreTheirWords) {
  const PALETTEENTRY entry{1, 2, 3, 0x55};
  const RGBQUAD quad{0x30, 0x20, 0x10, 0x66};  // blue first
  const RGBTRIPLE triple{0x33, 0x22, 0x11};
  const struct {
    TColor color;
    ULONG raw;
  } cases[] = {
      {TColor(), 0},
      {TColor(300, -1, 256), 0x0000FF2C},
      {TColor(1, 2, 3, 0x102), 0x02030201},
      {TColor(0x12345), 0x01002345},
      {TColor(0xFF000000UL), 0xFF000000},
      {TColor(-1L), 0xFFFFFFFF},
      {TColor(entry), 0x00030201},
      {TColor(quad), 0x00302010},
      {TColor(triple), 0x00332211},
  };
  for (const auto& c : cases) {
    TColor raw;
    raw.SetValue(c.raw);
    EXPECT_TRUE(c.color == raw) << std::hex << c.raw;
    EXPECT_EQ(c.color.Flags(), c.raw >> 24);
    EXPECT_EQ(c.color.Index(), static_cast<int>(c.raw & 0xFFFF));
  }
}

// The named colours' words, written out here from the list of colours rather than taken from the
// library's definitions; the system colours stand in the order of their indexes, 0 to 24.
TEST(Color, NamedColoursHoldTheirWords) {
  const std::pair<const TColor&, ULONG> plain[] = {
      {TColor::Black, 0x00000000},   {TColor::LtGray, 0x00C0C0C0},
      {TColor::Gray, 0x00808080},    {TColor::LtRed, 0x000000FF},
      {TColor::LtGreen, 0x0000FF00}, {TColor::LtYellow, 0x0000FFFF},
      {TColor::LtBlue, 0x00FF0000},  {TColor::LtMagenta, 0x00FF00FF},
      {TColor::LtCyan, 0x00FFFF00},  {TColor::White, 0x00FFFFFF},
      {TColor::None, 0xFF000000},    {TColor::Transparent, 0xFE000000}};
  for (const auto& [color, raw] : plain) {
    EXPECT_TRUE(color == TColor(static_cast<unsigned long>(raw))) << std::hex << raw;
  }
  const TColor* const system[] = {&TColor::SysScrollbar,     &TColor::SysDesktop,
                                  &TColor::SysActiveCaption, &TColor::SysInactiveCaption,
                                  &TColor::SysMenu,          &TColor::SysWindow,
                                  &TColor::SysWindowFrame,   &TColor::SysMenuText,
                                  &TColor::SysWindowText,    &TColor::SysCaptionText,
                                  &TColor::SysActiveBorder,  &TColor::SysInactiveBorder,
                                  &TColor::SysAppWorkspace,  &TColor::SysHighlight,
                                  &TColor::SysHighlightText, &TColor::Sys3dFace,
                                  &TColor::Sys3dShadow,      &TColor::SysGrayText,
                                  &TColor::SysBtnText,       &TColor::SysInactiveCaptionText,
                                  &TColor::Sys3dHilight,     &TColor::Sys3dDkShadow,
                                  &TColor::Sys3dLight,       &TColor::SysInfoText,
                                  &TColor::SysInfoBk};
  for (unsigned long index = 0; index < std::size(system); ++index) {
    EXPECT_TRUE(*system[index] == TColor(0x80000000UL + index)) << index;
  }
}

TEST(Color, KindsAndDerivedColours) {
  const ULONG window = corekit::platform::SystemColor(5);
  EXPECT_EQ(TColor::SysWindow.GetValue(), window);
  EXPECT_FALSE(TColor::SysWindow ==
               TColor(static_cast<unsigned long>(window)));  // raw words differ
  EXPECT_TRUE(TColor::SysWindow == window);                  // values agree
  EXPECT_EQ(static_cast<ULONG>(TColor::SysWindow), window);
  EXPECT_EQ(TColor::SysWindow.Rgb().GetValue(), window);

  // Indexes without a system colour resolve to black.
  for (const unsigned long raw : {0x80000063UL, 0x8000FFFFUL}) {
    EXPECT_EQ(TColor(raw).GetValue(), 0u) << std::hex << raw;
  }
  // The kind is the flags byte's alone: words with the neighbouring bits set.
  const struct {
    ULONG raw;
    bool system, special;
  } kinds[] = {{0x80000005, true, false},  {0x81000005, false, false}, {0x00800080, false, false},
               {0xF0123456, false, true},  {0xFE000000, false, true},  {0xFF000000, false, true},
               {0xE0FFFFFF, false, false}, {0x7FFFFFFF, false, false}};
  for (const auto& k : kinds) {
    const TColor color(static_cast<unsigned long>(k.raw));
    EXPECT_EQ(color.IsSysColor(), k.system) << std::hex << k.raw;
    EXPECT_EQ(color.IsSpecialColor(), k.special) << std::hex << k.raw;
    EXPECT_EQ(color.GetValue(), k.system ? window : k.raw) << std::hex << k.raw;
  }

  EXPECT_TRUE(TColor::LtYellow.PalIndex() == TColor(0x0100FFFFUL));
  EXPECT_TRUE(TColor(5).PalRelative() == TColor(0x03000005UL));
  EXPECT_TRUE(TColor::None.PalRelative() == TColor::None);
  EXPECT_EQ(TColor::None.Red() | TColor::None.Green() | TColor::None.Blue(), 0);
  EXPECT_EQ(TColor(10, 20, 30).Green(), 20);
  EXPECT_EQ(TColor::SysWindow.Red(), window & 0xFF);
  EXPECT_TRUE(TColor::Black != TColor::White);
  EXPECT_TRUE(TColor::White != 0x00FFFFFEUL);
}

#if !defined(_WIN32)
// Without a desktop's colours, the system colours are the classic Windows scheme (red, green, blue
// by element).
TEST(Color, SystemColoursAreTheClassicScheme) {
  const unsigned char scheme[25][3] = {
      {212, 208, 200}, {58, 110, 165},  {10, 36, 106},   {128, 128, 128}, {212, 208, 200},
      {255, 255, 255}, {0, 0, 0},       {0, 0, 0},       {0, 0, 0},       {255, 255, 255},
      {212, 208, 200}, {212, 208, 200}, {128, 128, 128}, {10, 36, 106},   {255, 255, 255},
      {212, 208, 200}, {128, 128, 128}, {128, 128, 128}, {0, 0, 0},       {212, 208, 200},
      {255, 255, 255}, {64, 64, 64},    {212, 208, 200}, {0, 0, 0},       {255, 255, 225}};
  for (int i = 0; i < 25; ++i) {
    const TColor expected(scheme[i][0], scheme[i][1], scheme[i][2]);
    EXPECT_EQ(TColor(0x80000000UL + i).GetValue(), expected.GetValue()) << i;
  }
  EXPECT_EQ(TColor(0x80000019UL).GetValue(), 0u);  // the first element beyond
}
#endif

TEST(Color, PaletteSizesAndDepths) {
  const struct {
    unsigned short bits;
    LONG colours;
  } sizes[] = {{1, 2}, {4, 16}, {8, 256}, {16, 0}, {24, 0}, {32, 0}, {2, -1}, {0, -1}, {15, -1}};
  for (const auto& s : sizes) EXPECT_EQ(NColors(s.bits), s.colours) << s.bits;
  const struct {
    LONG colours;
    unsigned short bits;
  } depths[] = {{-5, 1}, {0, 1},   {2, 1},    {3, 4},      {16, 4},
                {17, 8}, {256, 8}, {257, 16}, {65536, 16}, {65537, 24}};
  for (const auto& d : depths) EXPECT_EQ(NBits(d.colours), d.bits) << d.colours;
}

}  // namespace
