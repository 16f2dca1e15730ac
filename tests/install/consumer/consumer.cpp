// An outside program: converts one date through the installed library and checks the result.
#include <corekit/corekit.h>

#include <cstdio>

// A module's own reporter, asked for the codes the library leaves to the modules.
class SurveyReporter : public TErrorReporter {
protected:
  KString ErrorToTextImp(LONG code, const KString& file, const KString&, const KString&) override {
    return code == LONG(0x80040777) ? KString("survey failed: ") + file : KString();
  }
};

int main() {
  const SurveyReporter reporter;
  if (TErrorReporter::ErrorToText(LONG(0x80040777), "a.job") != "survey failed: a.job" ||
      TErrorReporter::ErrorToText(LONG(0x80040515)) != "Not a valid KFF file") {
    std::puts("wrong error text");
    return 1;
  }

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
