// An outside program: converts one date, asks its own error reporter, passes a value through the
// COM classes and asks the plug-in loader for a missing library, all through the installed library;
// built with resources of its own, it prints its name and version from its version block and a
// string of its string table, translates its own string and menu through its own dictionary and
// switches its thread's language between two error texts.
#include <corekit/corekit.h>

#include <chrono>
#include <cstdio>
#include <string>

namespace {

// The program's own value: a text.
class TextValue : public kx_com::bin_value {
public:
  LONG set_value(const _bin_value_descr& descr, const unsigned char* bytes, bool) override {
    m_descr = descr;
    if (bytes != nullptr)
      m_text.assign(reinterpret_cast<const char*>(bytes), kx_com::byte_count(descr, bytes));
    return 0;
  }
  _bin_value_descr get_type() const override { return m_descr; }
  const unsigned char* get_data() const override {
    return reinterpret_cast<const unsigned char*>(m_text.data());
  }
  int get_size() const override { return static_cast<int>(m_text.size()); }

private:
  _bin_value_descr m_descr;
  std::string m_text;
};

// A module's own reporter, asked for the codes the library leaves to the modules.
class SurveyReporter : public TErrorReporter {
protected:
  KString ErrorToTextImp(LONG code, const KString& file, const KString&, const KString&) override {
    return code == LONG(0x80040777) ? KString("survey failed: ") + file : KString();
  }
};

bool ErrorsWork() {
  const SurveyReporter reporter;
  return TErrorReporter::ErrorToText(LONG(0x80040777), "a.job") == "survey failed: a.job" &&
         TErrorReporter::ErrorToText(LONG(0x80040515)) == "Not a valid KFF file";
}

bool TimeWorks() {
  const TGPSTime time(2005, TGPSTime::June, 15, 12, 30, 45);
  const KString text = KString("seconds ") + "802873845";
  const TGPSTimeMS precise = TGPSTimeMS(time.Seconds(), 250) - 1500;
  return time.Seconds() == 802873845UL && time.GetGPSWeek() == 1327 &&
         text.Mid(8, -1) == "802873845" && precise.AsString(1) == "12:30:43.750" &&
         TGPSTimeNS(precise).nSecond() == 750000000UL && TLeapSeconds::AtUTC(time) == 13 &&
         TTimeScales::Convert(time.Seconds(), TTimeScale::Calendar, TTimeScale::BDT) ==
             802873844UL &&
         TUTCTime::FromGPS(1167264017UL).IsLeapSecond() == 1;
}

bool PathsWork() {
  const TSplitPath path("\\\\survey\\jobs\\2024\\site.job");
  return path.unc && path.host == "survey" && path.volume == "jobs" && path.dir == "2024" &&
         path.name == "site" && path.ext == ".job" &&
         path.Compose(TSplitPath::NamePart | TSplitPath::ExtPart) == "site.job";
}

bool ChronoWorks() {
  using namespace std::chrono;
  const sys_seconds day = sys_days{year{2006} / 1 / 1};
  const sys_time<milliseconds> precise = day + milliseconds(250);
  const sys_time<nanoseconds> finest = day + nanoseconds(123456789);
  return GPSTimeFromSys(day) == TGPSTime(2006, TGPSTime::January, 1, 0, 0, 0) &&
         ToSysTime(GPSTimeFromSys(day)) == day && ToSysTime(GPSTimeMSFromSys(precise)) == precise &&
         ToSysTime(GPSTimeNSFromSys(finest)) == finest && CurrentGPSTimeMS().Seconds() > 1167264017UL;
}

// A port watcher's target that is also attached to the process's office of port changes.
class PortView : public TPostTarget<TComPortChange> {
public:
  void OnPost(const TComPortChange& change) override { seen += change.Port.Name; }
  std::string seen;
};

bool PortTargetsWork() {
  PortView view;
  TComPortChange change;
  change.Port.Name = "COM7";
  change.Arrived = true;
  PostToOffice(change);
  const bool posted = view.seen == "COM7";
  TComPortWatcher watcher;
  watcher.Poll(view);  // the ports present, whatever they are, to the same target
  return posted;
}

bool ValuesWork() {
  TextValue text;
  TComBinValueImpl shown(text);
  TComBinValue remote(&shown);
  const unsigned char survey[] = "survey";
  return remote.set_value({5, 0, 1}, survey, true) == 0 && remote.get_size() == 7 &&
         remote.get_data() == text.get_data() && remote.get_type().type == 5 &&
         shown.SetValDims(1) == E_NOTIMPL;
}

bool LoaderWorks() {
  TDLLFuncLoader* const loader = TDLLFuncLoader::LoadDLL("no-such-corekit-plugin");
  TDLLFuncLoader* const again = TDLLFuncLoader::LoadDLL("no-such-corekit-plugin");
  const bool works =
      loader == again && loader->GetFunc("Anything") == nullptr && loader->GetResult() != 0;
  TDLLFuncLoader::ReleaseDLL(again);
  TDLLFuncLoader::ReleaseDLL(loader);
  return works;
}

#if defined(CONSUMER_RESOURCES)
// Translate/7/app.txt beside the program: [Survey ready][Vermessung bereit] [&Measure][&Messen]
bool OwnTextsWork() {
  const WORD german = 0x0407;
  char item[64] = "";
  if (const HMENU menu = LoadTranslatedMenu(nullptr, 300, german, "app")) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = item;
    info.cch = sizeof item;
    GetMenuItemInfoA(menu, 0, true, &info);
    DestroyMenu(menu);
  }
  return LoadTranslatedString(nullptr, 100, german, "app") == "Vermessung bereit" &&
         TranslateText("Survey ready", GetBaseLanguage(), german, "app") == "Vermessung bereit" &&
         std::string(item) == "&Messen";
}

// The main thread's texts follow its language, switched back and forth.
bool LanguageSwitchWorks() {
  const auto text = [](WORD language) {
    return SetThreadLanguage(language) && GetThreadLanguage() == language
               ? TErrorReporter::ErrorToText(2)
               : KString("not switched");
  };
  return text(0x0409) == "File not found" && text(0x0407) == "Datei nicht gefunden" &&
         text(0x0409) == "File not found";
}
#endif

}  // namespace

int main() {
  // The texts compared here are English whatever the user's language (the German dictionary lies
  // beside the program).
  SetThreadLanguage(0x0409);
  if (!ErrorsWork() || !TimeWorks() || !PathsWork() || !ChronoWorks() || !PortTargetsWork() ||
      !ValuesWork() || !LoaderWorks()) {
    std::puts("wrong result");
    return 1;
  }
#if defined(CONSUMER_RESOURCES)
  if (!OwnTextsWork() || !LanguageSwitchWorks()) {
    std::puts("wrong own texts or language switch");
    return 1;
  }
  std::printf(
      "corekit consumer: ok, %s %lu, %s\n", static_cast<const char*>(GetAppName()),
      static_cast<unsigned long>(GetModuleVersion(nullptr)),
      static_cast<const char*>(LoadTranslatedString(nullptr, 100, GetBaseLanguage(), "app")));
#else
  std::puts("corekit consumer: ok");
#endif
  return 0;
}
