#include "corekit/platform/user_folder.h"

#include "corekit/platform/path_conventions.h"

namespace corekit::platform {
namespace {

// A library loaded by name for the life of the process's use of the user folder; freed when the
// library unloads, if its load succeeded.
class LibraryHandle {
public:
  explicit LibraryHandle(const char* name) : m_module(LoadLibraryA(name)) {}
  ~LibraryHandle() {
    if (m_module != nullptr) FreeLibrary(m_module);
  }
  LibraryHandle(const LibraryHandle&) = delete;
  LibraryHandle& operator=(const LibraryHandle&) = delete;

  HMODULE Get() const { return m_module; }

private:
  HMODULE m_module;
};

// The two libraries behind the profile lookup, loaded once on first use; a failed load is not
// retried.
struct ProfileLibraries {
  LibraryHandle userenv{"userenv.dll"};
  LibraryHandle advapi{"advapi32.dll"};
};

ProfileLibraries& Libraries() {
  static ProfileLibraries libraries;
  return libraries;
}

using OpenProcessTokenFunction = BOOL(WINAPI*)(HANDLE, DWORD, PHANDLE);
using GetUserProfileDirectoryFunction = BOOL(WINAPI*)(HANDLE, LPSTR, LPDWORD);

constexpr DWORD TokenAccess = 0x20008;  // query access and read control

}  // namespace

std::string UserDataFolder(const char* name) {
  const ProfileLibraries& libraries = Libraries();
  if (libraries.userenv.Get() == nullptr || libraries.advapi.Get() == nullptr) return {};
  const auto openProcessToken = reinterpret_cast<OpenProcessTokenFunction>(
      reinterpret_cast<void*>(GetProcAddress(libraries.advapi.Get(), "OpenProcessToken")));
  HANDLE token = nullptr;
  if (openProcessToken == nullptr || !openProcessToken(GetCurrentProcess(), TokenAccess, &token))
    return {};
  std::string folder;
  const auto getUserProfileDirectory = reinterpret_cast<GetUserProfileDirectoryFunction>(
      reinterpret_cast<void*>(GetProcAddress(libraries.userenv.Get(), "GetUserProfileDirectoryA")));
  // A profile too long for the buffer fails here and gives no folder.
  char profile[PathBufferSize];
  DWORD size = PathBufferSize;
  if (getUserProfileDirectory != nullptr && getUserProfileDirectory(token, profile, &size)) {
    folder = UserFolderPath(profile, name);
    if (!folder.empty()) CreateDirectoryA(folder.c_str(), nullptr);
  }
  CloseHandle(token);
  return folder;
}

}  // namespace corekit::platform
