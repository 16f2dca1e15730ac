#pragma once

// Dictionary files written by the tests where the library looks for them: the application folder's
// Translate/<language>/<name>.txt. The library reads a path once per process, so every test uses
// its own dictionary names.

#include <string>

#include "corekit/platform/types.h"

// Writes the bytes as the dictionary of the language's folder and the name; returns its path.
std::string WriteDictionary(WORD language, const std::string& name, const std::string& bytes);

// Removes the dictionary of the language's folder and the name, left by an earlier run.
void RemoveDictionary(WORD language, const std::string& name);

// The name of the test program's module file without folder and extension: the dictionary name
// the library uses when it is given none.
std::string ProgramTitle();
