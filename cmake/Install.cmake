# Installs headers, the library, a CMake package (find_package(corekit) gives corekit::corekit)
# and a pkg-config file. Both link the library by its path: its name carries no "lib" prefix.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

install(TARGETS corekit EXPORT corekitTargets
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        FILE_SET HEADERS DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT corekitTargets NAMESPACE corekit:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/corekit)

configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/corekitConfig.cmake.in
                              ${CMAKE_BINARY_DIR}/corekitConfig.cmake
                              INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/corekit)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/corekitConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/corekitConfig.cmake ${CMAKE_BINARY_DIR}/corekitConfigVersion.cmake
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/corekit)

configure_file(${CMAKE_CURRENT_LIST_DIR}/corekit.pc.in ${CMAKE_BINARY_DIR}/corekit.pc.in @ONLY)
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/corekit.pc INPUT ${CMAKE_BINARY_DIR}/corekit.pc.in)
install(FILES ${CMAKE_BINARY_DIR}/corekit.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

if(COREKIT_BUILD_TOOLS)
  install(TARGETS corekit_tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
