#include "corekit/errors/error_reporter.h"

#include "corekit/core/app_info.h"
#include "corekit/errors/generic_error_text.h"
#include "corekit/errors/lib_string.h"
#include "corekit/errors/reporter_chain.h"
#include "corekit/platform/message_box.h"

namespace ci = corekit::internal;

TErrorReporter::TErrorReporter() { ci::TheReporterChain().Append(this); }

TErrorReporter::TErrorReporter(const TErrorReporter&) noexcept {}

TErrorReporter::~TErrorReporter() { ci::TheReporterChain().Remove(this); }

KString TErrorReporter::ErrorToTextImp(LONG, const KString&, const KString&, const KString&) {
  return KString();
}

KString TErrorReporter::ErrorToText(LONG code, const KString& text1, const KString& text2,
                                    const KString& text3) {
  // The chain's length is read anew at each step: a reporter may enter or leave it meanwhile.
  const ci::ReporterChain& chain = ci::TheReporterChain();
  KString text;
  for (std::size_t index = 0; text.IsEmpty() && index < chain.Count(); ++index) {
    text = chain.At(index)->ErrorToTextImp(code, text1, text2, text3);
  }
  if (text.IsEmpty()) {
    text = ci::GenericErrorText(ci::LoadLibString(ci::GenericErrorStringId), code);
  }
  return text;
}

void TErrorReporter::ErrorMessageBox(LONG code, HWND owner, const KString& text1,
                                     const KString& text2, const KString& text3) {
  const KString text = ErrorToText(code, text1, text2, text3);
  const KString caption = GetAppName();
  corekit::platform::ShowMessageBox(
      owner, text, caption,
      corekit::platform::MessageBoxOk | corekit::platform::MessageBoxIconWarning);
}
