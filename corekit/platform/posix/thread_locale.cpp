#include "corekit/platform/thread_locale.h"

#include <unicode/uloc.h>

#include <cstdint>
#include <cstring>

#include "corekit/core/hex_text.h"
#include "corekit/platform/posix/icu_text.h"

namespace corekit::platform {
namespace {

constexpr WORD EnglishUnitedStates = 0x0409;

// True when ICU knows a locale for the language id.
bool KnownLanguage(WORD language) {
  char name[ULOC_FULLNAME_CAPACITY];
  UErrorCode status = U_ZERO_ERROR;
  const int32_t length = uloc_getLocaleForLCID(language, name, sizeof name, &status);
  return U_SUCCESS(status) && length > 0;
}

// A layout handle as Windows makes them for a plain layout name: the layout's language in both
// halves of the low 32 bits (00000407 gives 0x04070407).
HKL LayoutOf(WORD language) {
  const std::uintptr_t value = (static_cast<std::uintptr_t>(language) << 16) | language;
  return reinterpret_cast<HKL>(value);
}

// The thread's locale and keyboard layout: per-thread state of the library, since POSIX has no
// thread locale. Both start from the user's locale.
struct ThreadSettings {
  ThreadSettings() {
    const auto lcid =
        static_cast<WORD>(posix::UserLocale(posix::LocaleUse::Messages).getLCID() & 0xFFFF);
    language = lcid != 0 ? lcid : EnglishUnitedStates;
    layout = LayoutOf(language);
  }
  WORD language;
  HKL layout;
};

ThreadSettings& Settings() {
  thread_local ThreadSettings settings;
  return settings;
}

}  // namespace

WORD ThreadLanguage() { return Settings().language; }

bool SetThreadLanguage(WORD language) {
  if (!KnownLanguage(language)) return false;
  Settings().language = language;
  return true;
}

HKL LoadLayoutByName(const char* layoutName) {
  if (layoutName == nullptr || std::strlen(layoutName) != 8) return nullptr;
  std::uint32_t value = 0;
  if (!ReadHex(layoutName, value)) return nullptr;
  const auto language = static_cast<WORD>(value & 0xFFFF);
  return KnownLanguage(language) ? LayoutOf(language) : nullptr;
}

bool ActivateLayout(HKL layout) {
  const auto value = reinterpret_cast<std::uintptr_t>(layout);
  if (layout == nullptr || !KnownLanguage(static_cast<WORD>(value & 0xFFFF))) return false;
  Settings().layout = layout;
  return true;
}

}  // namespace corekit::platform
