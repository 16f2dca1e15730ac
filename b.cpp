#include "a.h"
#include <charconv>
unsigned long g(const unsigned long& x);
unsigned long use(TX& t) { bool b = t == t; bool c = t != t; (void)b; (void)c; return g(TX::SecondsPerDay); }
double pd(const char* s, const char* e) { double d; std::from_chars(s, e, d); return d; }
