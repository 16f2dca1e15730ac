# Packages of the install, made by `cpack` in a build tree (./dev package): a Debian package with
# its debug information in a separate dbgsym package on Linux, a zip of bin/, lib/, include/ and
# share/ for Windows (corekit-<version>-win64.zip, -win32.zip). Packages hold the library and the
# tool only: cpack does not build the test programs first, so the targets it installs must be
# built (cmake --build DIR --target corekit corekit_tool corekit_dictionaries).
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_PACKAGE_NAME corekit)
set(CPACK_PACKAGE_VENDOR "corekit")
set(CPACK_PACKAGE_CONTACT "corekit maintainers <corekit@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}: GPS time, error texts, translation, serial ports")
set(CPACK_VERBATIM_VARIABLES ON)

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_STRIP_FILES ON)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION libdevel)
  # The install is stripped; its debug information goes into corekit-dbgsym (found by build id).
  set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)
  # The Debian packages of the shared libraries the library and the tool load (libicu72,
  # libudev1, libstdc++6, ...), found when cpack runs: DebianDepends.cmake asks dpkg.
  set(CPACK_COREKIT_BINARIES ${CMAKE_LIBRARY_OUTPUT_DIRECTORY}/corekit${CMAKE_SHARED_LIBRARY_SUFFIX})
  if(COREKIT_BUILD_TOOLS)
    list(APPEND CPACK_COREKIT_BINARIES ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/corekit)
  endif()
  set(CPACK_COREKIT_OBJDUMP ${CMAKE_OBJDUMP})
  set(CPACK_COREKIT_ARCHITECTURE ${CMAKE_LIBRARY_ARCHITECTURE})
  set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/DebianDepends.cmake)
endif()

include(CPack)
