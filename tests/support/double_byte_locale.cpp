#include "tests/support/double_byte_locale.h"

#include <clocale>

#if defined(_WIN32)
#include <mbctype.h>

DoubleByteLocale::DoubleByteLocale() : m_active(_setmbcp(936) == 0) {}

DoubleByteLocale::~DoubleByteLocale() { _setmbcp(_MB_CP_ANSI); }

#else

// The build generates the locale into a folder of its own (no system-wide install needed).
DoubleByteLocale::DoubleByteLocale() {
  m_previous = std::setlocale(LC_CTYPE, nullptr);
  m_localePath.emplace("LOCPATH", COREKIT_TEST_LOCALE_DIR);
  m_active = std::setlocale(LC_CTYPE, "zh_CN.GBK") != nullptr;
}

DoubleByteLocale::~DoubleByteLocale() {
  m_localePath.reset();
  std::setlocale(LC_CTYPE, m_previous.c_str());
}

#endif
