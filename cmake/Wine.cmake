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

# The runtime DLLs of the cross compiler: libstdc++, libgcc and winpthread.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
                OUTPUT_VARIABLE _stdcxx_dll OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libwinpthread-1.dll
                OUTPUT_VARIABLE _pthread_dll OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(_stdcxx_dir "${_stdcxx_dll}" DIRECTORY)
get_filename_component(_pthread_dir "${_pthread_dll}" DIRECTORY)

set(COREKIT_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
set(COREKIT_WINE_PATH "${_stdcxx_dir};${_pthread_dir}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
