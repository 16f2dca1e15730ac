# Cross builds for Windows run their programs under Wine, with a quiet prefix inside the build tree.
if(NOT CMAKE_CROSSCOMPILING OR NOT WIN32)
  return()
endif()

# A 64-bit build runs in a 64-bit prefix with the wine64 loader; a 32-bit build in a 32-bit prefix
# with the wine loader, whose Windows half comes with Debian's wine32:i386.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(COREKIT_WINE_ARCH win64)
  set(_loader wine64)
  set(_package wine64)
else()
  set(COREKIT_WINE_ARCH win32)
  set(_loader wine)
  set(_package wine32:i386)
endif()
find_program(COREKIT_WINE NAMES ${_loader} PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(COREKIT_WINE NAMES ${_loader})
if(NOT COREKIT_WINE)
  message(FATAL_ERROR "Wine is needed to run the Windows build (Debian package ${_package})")
endif()

# The runtime DLLs of the cross compiler that its programs import: libstdc++, libgcc (SEH
# exceptions on x86-64, DWARF-2 on x86) and winpthread. Wine finds them on WINEPATH; the install
# carries them beside the library.
set(COREKIT_RUNTIME_DLLS "")
set(COREKIT_WINE_PATH "")
foreach(_dll libstdc++-6.dll libgcc_s_seh-1.dll libgcc_s_dw2-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${_dll}
                  OUTPUT_VARIABLE _file OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(IS_ABSOLUTE "${_file}" AND EXISTS "${_file}")
    list(APPEND COREKIT_RUNTIME_DLLS ${_file})
    get_filename_component(_folder "${_file}" DIRECTORY)
    list(APPEND COREKIT_WINE_PATH ${_folder})
  endif()
endforeach()
list(REMOVE_DUPLICATES COREKIT_WINE_PATH)

set(COREKIT_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
