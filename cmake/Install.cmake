# Installs headers, the library, the tool, the dictionaries, a CMake package (find_package(corekit)
# gives corekit::corekit and corekit_add_resources) and a pkg-config file. Both link the library by
# its path: its name carries no "lib" prefix. Windows installs carry the C++ runtime DLLs the
# library and the tool import, so that they run from the install folder alone. Package.cmake makes
# packages of it.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(COREKIT_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/corekit)
install(TARGETS corekit EXPORT corekitTargets
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        FILE_SET HEADERS DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT corekitTargets NAMESPACE corekit:: DESTINATION ${COREKIT_CMAKE_DIR})

configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/corekitConfig.cmake.in
                              ${CMAKE_BINARY_DIR}/corekitConfig.cmake
                              INSTALL_DESTINATION ${COREKIT_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_BINARY_DIR}/corekitConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/corekitConfig.cmake ${CMAKE_BINARY_DIR}/corekitConfigVersion.cmake
              ${CMAKE_CURRENT_LIST_DIR}/Resources.cmake ${CMAKE_CURRENT_LIST_DIR}/resource_note.cpp.in
        DESTINATION ${COREKIT_CMAKE_DIR})

# The pkg-config file finds the prefix from its own folder, so that the install can move.
file(RELATIVE_PATH COREKIT_PC_PREFIX ${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig ${CMAKE_INSTALL_PREFIX})
configure_file(${CMAKE_CURRENT_LIST_DIR}/corekit.pc.in ${CMAKE_BINARY_DIR}/corekit.pc.in @ONLY)
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/corekit.pc INPUT ${CMAKE_BINARY_DIR}/corekit.pc.in)
install(FILES ${CMAKE_BINARY_DIR}/corekit.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

if(COREKIT_BUILD_TOOLS)
  install(TARGETS corekit_tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  if(NOT WIN32)
    # The installed tool finds the library in the install's own library folder, wherever it lies.
    file(RELATIVE_PATH _libdir ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR})
    set_target_properties(corekit_tool PROPERTIES INSTALL_RPATH "$ORIGIN/${_libdir}")
  endif()
endif()
if(WIN32)
  # The compiler's runtime DLLs carry their debug information (libstdc++ about 22 MB); the install
  # has them without it, as the library is stripped, built beside the library.
  set(_stripped_dlls "")
  foreach(_dll IN LISTS COREKIT_RUNTIME_DLLS)
    get_filename_component(_name ${_dll} NAME)
    set(_stripped ${CMAKE_BINARY_DIR}/runtime/${_name})
    add_custom_command(OUTPUT ${_stripped}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/runtime
                       COMMAND ${CMAKE_STRIP} --strip-unneeded -o ${_stripped} ${_dll}
                       DEPENDS ${_dll} COMMENT "Stripping ${_name}" VERBATIM)
    list(APPEND _stripped_dlls ${_stripped})
  endforeach()
  add_custom_target(corekit_runtime_dlls DEPENDS ${_stripped_dlls})
  add_dependencies(corekit corekit_runtime_dlls)
  install(FILES ${_stripped_dlls} DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)
