# The functions that make the test programs and the modules they load; tests/CMakeLists.txt
# includes this file after GoogleTest is found.

# corekit_add_test_suite(NAME [SHARED] [RECEIVER] file.cpp...): one test program per subsystem. It
# links the library's objects directly; with SHARED it uses the library as applications do, the
# shared library and its public headers. With RECEIVER it talks to a simulated receiver on a serial
# port: natively one of its own, under Wine one that the native simulated_receiver serves on COM12.
# Natively every test case is its own CTest test; under Wine a program runs whole, since each start
# of Wine is slow. GoogleTest's header is precompiled once, by the smallest suite (the first one
# added), and reused by the others: a suite that reuses it waits until that suite is built.
function(corekit_add_test_suite name)
  cmake_parse_arguments(PARSE_ARGV 1 suite "SHARED;RECEIVER" "" "")
  add_executable(${name} ${suite_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE corekit_options corekit_test_main)
  get_property(pch_owner GLOBAL PROPERTY COREKIT_TEST_PCH_OWNER)
  if(suite_SHARED)
    # The shared precompiled header is made with COREKIT_STATIC; this suite makes its own.
    target_link_libraries(${name} PRIVATE corekit)
    target_precompile_headers(${name} PRIVATE <gtest/gtest.h>)
  else()
    target_link_libraries(${name} PRIVATE corekit_objects)
    target_compile_definitions(${name} PRIVATE COREKIT_STATIC)
    if(pch_owner)
      target_precompile_headers(${name} REUSE_FROM ${pch_owner})
    else()
      target_precompile_headers(${name} PRIVATE <gtest/gtest.h>)
      set_property(GLOBAL PROPERTY COREKIT_TEST_PCH_OWNER ${name})
    endif()
  endif()
  if(suite_RECEIVER)
    target_link_libraries(${name} PRIVATE corekit_simulated_receiver)
  endif()
  if(CMAKE_CROSSCOMPILING AND suite_RECEIVER)
    # The prefix is made first, if need be: making it clears its dosdevices, and so the link.
    set(prefix ${COREKIT_WINE_PREFIX})
    add_test(NAME ${name}
             COMMAND sh -c "[ -f '${prefix}/drive_c/windows/system32/kernel32.dll' ] || '${CMAKE_CROSSCOMPILING_EMULATOR}' cmd /c exit >/dev/null 2>&1; exec \"$0\" \"$@\""
                     ${COREKIT_HOST_RECEIVER} --link ${prefix}/dosdevices/com12 --port COM12
                     -- ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:${name}>
             WORKING_DIRECTORY ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
    # One receiver program at a time: each points the prefix's COM12 at its own terminal, and
    # Wine's one server sees a port open in one program as busy for the other.
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "COREKIT_WINE_EXPECT=[  PASSED  ]"
                                            RESOURCE_LOCK wine_com12)
  elseif(CMAKE_CROSSCOMPILING)
    add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
    # A program that never ran its tests must not pass: its summary must be in the output.
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "COREKIT_WINE_EXPECT=[  PASSED  ]")
  else()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST WORKING_DIRECTORY ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
  endif()
endfunction()

# corekit_add_test_plugin(NAME [file.rc...] [SOURCES file.cpp...]): a module with PluginAnswer and
# the functions of the extra sources.
function(corekit_add_test_plugin name)
  cmake_parse_arguments(PARSE_ARGV 1 plugin "" "" SOURCES)
  add_library(${name} MODULE ${PROJECT_SOURCE_DIR}/tests/core/plugins/plugin.cpp ${plugin_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  set_target_properties(${name} PROPERTIES PREFIX "")
  if(plugin_UNPARSED_ARGUMENTS)
    corekit_add_resources(${name} ${plugin_UNPARSED_ARGUMENTS})
  endif()
endfunction()

# corekit_use_test_modules(TARGET): the test program loads the built library and the plugins.
function(corekit_use_test_modules target)
  add_dependencies(${target} corekit named_version_plugin empty_name_plugin bare_plugin)
  target_compile_definitions(${target} PRIVATE
    COREKIT_LIBRARY_FILE="./$<TARGET_FILE_NAME:corekit>"
    NAMED_VERSION_PLUGIN="./$<TARGET_FILE_NAME:named_version_plugin>"
    EMPTY_NAME_PLUGIN="./$<TARGET_FILE_NAME:empty_name_plugin>"
    BARE_PLUGIN="./$<TARGET_FILE_NAME:bare_plugin>")
endfunction()
