// An outside program: converts one date through the installed library and checks the result.
#include <corekit/corekit.h>

#include <cstdio>

int main() {
  const TGPSTime time(2005, TGPSTime::June, 15, 12, 30, 45);
  const KString text = KString("seconds ") + "802873845";
  const TGPSTimeMS precise = TGPSTimeMS(time.Seconds(), 250) - 1500;
  if (time.Seconds() != 802873845UL || time.GetGPSWeek() != 1327 || text.Mid(8, -1) != "802873845" ||
      precise.AsString(1) != "12:30:43.750" || TGPSTimeNS(precise).nSecond() != 750000000UL) {
    std::puts("wrong result");
    return 1;
  }
  std::puts("corekit consumer: ok");
  return 0;
}
