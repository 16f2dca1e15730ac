#pragma once

// UTF-16 text in the process's multibyte encoding (the ANSI code page on Windows), as the system
// converts it: the form that menus and resource texts take when read as bytes.

#include <string>

std::string AnsiText(const std::u16string& text);
