// An outside program: converts one date through the installed library and checks the result.
#include <corekit/corekit.h>

#include <cstdio>

int main() {
  const TGPSTime time(2005, TGPSTime::June, 15, 12, 30, 45);
  const KString text = KString("seconds ") + "802873845";
  if (time.Seconds() != 802873845UL || time.GetGPSWeek() != 1327 || text.Mid(8, -1) != "802873845") {
    std::puts("wrong result");
    return 1;
  }
  std::puts("corekit consumer: ok");
  return 0;
}
