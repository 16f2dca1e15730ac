# Included by cpack: the Debian package's dependencies are the packages that hold the shared
# libraries the built binaries (CPACK_COREKIT_BINARIES) need, as dpkg knows them.
if(NOT CPACK_GENERATOR STREQUAL "DEB" OR CPACK_DEBIAN_PACKAGE_DEPENDS)
  return()
endif()
execute_process(COMMAND ldconfig -p OUTPUT_VARIABLE _cache)
set(_packages "")
foreach(_binary IN LISTS CPACK_COREKIT_BINARIES)
  execute_process(COMMAND ${CPACK_COREKIT_OBJDUMP} -p ${_binary} OUTPUT_VARIABLE _headers)
  string(REGEX MATCHALL "NEEDED +[^\n]+" _needed "${_headers}")
  foreach(_entry IN LISTS _needed)
    string(REGEX REPLACE "NEEDED +" "" _name "${_entry}")
    string(REGEX REPLACE "([+.])" "\\\\\\1" _pattern "${_name}")
    # The library of that name for the build's architecture (the machine may hold others, such as
    # i386 ones), with its links followed, as dpkg names files.
    if(NOT _cache MATCHES "\t${_pattern} \\([^)]*\\) => ([^\n]*/${CPACK_COREKIT_ARCHITECTURE}/[^\n]*)")
      continue()  # corekit.so itself, which the package holds
    endif()
    # dpkg knows each file under the one path its package gives it: /lib/... or /usr/lib/..., the
    # link or the file it leads to.
    set(_path "${CMAKE_MATCH_1}")
    file(REAL_PATH "${_path}" _file)
    string(REGEX REPLACE "^/usr/" "/" _unmerged "${_file}")
    foreach(_candidate ${_path} ${_file} ${_unmerged})
      execute_process(COMMAND dpkg -S ${_candidate} OUTPUT_VARIABLE _owner RESULT_VARIABLE _result
                      ERROR_QUIET)
      if(_result EQUAL 0)
        break()
      endif()
    endforeach()
    if(NOT _result EQUAL 0)
      message(FATAL_ERROR "no Debian package holds ${_file}, which ${_binary} needs")
    endif()
    string(REGEX REPLACE "[:,].*" "" _owner "${_owner}")
    list(APPEND _packages ${_owner})
  endforeach()
endforeach()
list(REMOVE_DUPLICATES _packages)
list(SORT _packages)
list(JOIN _packages ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
message(STATUS "Debian dependencies: ${CPACK_DEBIAN_PACKAGE_DEPENDS}")
