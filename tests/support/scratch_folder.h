#pragma once

// A new, empty folder under the system's temporary folder for the life of the object, removed
// with its contents afterwards. It can also stand in as the system's temporary folder.

#include <optional>
#include <string>

#include "tests/support/environment_scope.h"

class ScratchFolder {
public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // The folder's absolute path in the system's own syntax, without a final separator.
  const std::string& Path() const { return m_path; }
  // The path of an entry of the folder.
  std::string Entry(const std::string& name) const;
  // The bytes of an entry that is a file, or "(missing)" when it cannot be read.
  std::string Read(const std::string& name) const;
  // Makes an entry a file holding exactly text.
  void Write(const std::string& name, const std::string& text) const;

  // Makes the folder the system's temporary folder until the object ends (the variable TMP on
  // Windows, TMPDIR on POSIX).
  void UseAsTempFolder();
  // Makes text the system's temporary folder in the same way.
  void UseAsTempFolder(const std::string& text);

private:
  std::string m_path;
  std::optional<EnvironmentScope> m_tempVariable;
};

// Keeps the process's current folder and makes it current again at the end of the scope.
class CurrentFolderKeeper {
public:
  CurrentFolderKeeper();
  ~CurrentFolderKeeper();
  CurrentFolderKeeper(const CurrentFolderKeeper&) = delete;
  CurrentFolderKeeper& operator=(const CurrentFolderKeeper&) = delete;

private:
  std::string m_folder;
};
