#pragma once

#include "corekit/core/kstring.h"
#include "corekit/export.h"
#include "corekit/platform/interface_types.h"

#if !defined(_WIN32) && !defined(MOVEFILE_REPLACE_EXISTING)
// MoveFileTo's flags, as <windows.h> defines them on Windows.
#define MOVEFILE_REPLACE_EXISTING 0x00000001
#define MOVEFILE_COPY_ALLOWED 0x00000002
#endif

// TSplitPath: a path text in Windows syntax split into a network flag and five parts (host,
// volume, directory, name, extension), which can be changed and composed again in any selection,
// with file operations on the composed path.
//
// Both the backslash and the slash separate; compositions write the backslash. Searches step over
// double-byte characters whole, so that a trail byte is never a separator, colon or dot.
//   TSplitPath("C:\\data\\survey.job"): volume "C", dir "\\data", name "survey", ext ".job".
//   TSplitPath("\\\\srv\\share\\dir\\f.txt"): unc, host "srv", volume "share", dir "dir".
// A composition, and every answer of the system, holds at most 259 characters: a longer one is
// not made, and gives an empty text. In Windows syntax a separator that directly begins a text
// without volume is not kept ("\\x.txt" composes to "x.txt"). On POSIX it is the root folder and
// stays: "/etc" has the directory "/" and composes to "/etc", "/tmp/" to "/tmp/".
class COREKIT_API TSplitPath {
public:
  // Part selection, bits of an unsigned int.
  enum TPart : unsigned int {
    HostPart = 1,
    VolumePart = 2,
    DirPart = 4,
    NamePart = 8,
    ExtPart = 16,
    AllParts = 31,
  };

  // Paths the system is asked for; other numbers give an empty object.
  enum TSpecial : int {
    NewTempFile = 0,    // a new empty file with a unique name in the temporary folder
    TempFolder = 1,     // the temporary folder; its final separator stays in the name
    WorkingFolder = 2,  // the current folder
    WindowsFolder = 5,  // the Windows folder (on POSIX "/")
    SystemFolder = 7,   // the system folder (on POSIX the C library's folder)
    MachineName = 8,    // the computer's name, in the name part
  };

  // The empty object: not a network path, five empty parts.
  TSplitPath() = default;
  // Copies of the five parts.
  TSplitPath(const TSplitPath&) = default;
  TSplitPath& operator=(const TSplitPath&) = default;
  ~TSplitPath() = default;

  // Splits a path text; the pointer must not be null.
  TSplitPath(const char* path);
  TSplitPath(const KString& path);

  // Builds the object from separate parts, each taken from its own text; a null pointer gives an
  // empty part, and the path is a network path exactly when host is not null. The host loses a
  // leading "\\\\", the volume a colon, the name its folder and extension; ext "txt" gives ".txt".
  TSplitPath(const char* host, const char* volume, const char* dir, const char* name,
             const char* ext);

  // Asks the system for a path (NewTempFile creates the file) and splits it; empty when the
  // system fails.
  explicit TSplitPath(TSpecial kind);

  // The selected parts joined into a path text: "\\\\host\\share\\" or "C:", then dir, name and
  // ext, with one backslash after the volume and after the directory. Compose(NamePart | ExtPart)
  // is the file name.
  KString Compose(unsigned int parts) const;

  // The composed path made absolute by the system (against the current folder).
  KString Canonical() const;
  // The system's short (8.3) form of Canonical(); empty when the path does not exist.
  KString ShortPath() const;
  // The title the shell shows for Canonical(), such as "survey.job" or "survey".
  KString DisplayTitle() const;

  // The first of Compose(AllParts), the same without the directory, the file name and the bare
  // name whose length is at most maxLen; empty when none fits. "C:\\data\\survey.job" squeezed
  // to 15 is "C:\\survey.job".
  KString Squeezed(int maxLen) const;

  // True when at least one selected part is not empty.
  bool HasParts(unsigned int parts) const;
  // Every selected part becomes text, as it is.
  void SetParts(unsigned int parts, const KString& text);
  // Every selected part becomes empty.
  void ClearParts(unsigned int parts);

  // File operations on Canonical(). Exists is true for a file that opens; a folder does not.
  bool Exists() const;
  // Deletes the file, or else the empty folder.
  void Remove();
  // Moves the file or folder to `to` (flags as MoveFileEx: MOVEFILE_REPLACE_EXISTING ...); when
  // it moved, this object becomes `to`.
  void MoveFileTo(const TSplitPath& to, DWORD flags);
  // Copies the file to `to`; with failIfExists an existing target is left as it is.
  void CopyFileTo(const TSplitPath& to, bool failIfExists);
  // Creates the folder; the system's answer.
  BOOL CreateFolder();
  // Makes the path the current folder; the system's answer.
  BOOL MakeCurrent();

  bool unc = false;  // a network path \\host\share\...
  KString host;      // server of a network path, without the leading backslashes
  KString volume;    // share of a network path, else the text before the first colon
  KString dir;       // the folders up to the last separator (a drive path keeps its leading one;
                     // on POSIX the root folder is its separator alone)
  KString name;      // the file name without extension
  KString ext;       // the extension with its dot, or empty

private:
  void Parse(const char* path);
};
