#pragma once

#include "corekit/core/kstring.h"
#include "corekit/export.h"
#include "corekit/platform/interface_types.h"

// TErrorReporter: turns error codes (32-bit, HRESULT layout: bit 31 failure, bits 16 to 28 the
// facility) into message texts for the user. A module contributes texts for its own codes by
// deriving a reporter and making an object of it: the object enters the process-wide reporter
// chain when constructed and leaves it when destroyed. The library's own reporter stands first.
class COREKIT_API TErrorReporter {
public:
  // A copy, which is not entered into the chain.
  TErrorReporter(const TErrorReporter& other) noexcept;
  // Assignment changes no registration.
  TErrorReporter& operator=(const TErrorReporter& other) noexcept = default;

  // The text of code: the first non-empty answer of the reporters in chain order, else the
  // generic text "Error # <code in hexadecimal>" in the calling thread's language. The three texts
  // are details of the failure (a file or object name) that reporters may place in their texts.
  // ErrorToText(0x80040510) is "could not open file"; ErrorToText(0x80040502) "Error # 80040502".
  // A system text of two characters or fewer counts as none; its inserts beyond %3 stay empty.
  static KString ErrorToText(LONG code, const KString& text1 = KString(),
                             const KString& text2 = KString(), const KString& text3 = KString());

  // Shows ErrorToText's text in a message box owned by owner (may be null), captioned with the
  // application's name, with an exclamation icon and an OK button; returns when it is closed.
  static void ErrorMessageBox(LONG code, HWND owner, const KString& text1 = KString(),
                              const KString& text2 = KString(), const KString& text3 = KString());

protected:
  // Appends the new reporter at the end of the chain.
  TErrorReporter();
  // Removes the first chain entry that is this reporter; a copy leaves the chain unchanged.
  ~TErrorReporter();

  // This reporter's text for code, or an empty string when it has none (the next reporter is
  // asked then). The base has no texts.
  virtual KString ErrorToTextImp(LONG code, const KString& text1, const KString& text2,
                                 const KString& text3);
};
