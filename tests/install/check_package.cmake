cmake_minimum_required(VERSION 3.25)
# Makes the build's package as a user gets it (./dev package does the same) and uses it as a user
# would: unpacks it into a scratch folder (the .deb with dpkg-deb, the zip as it is), builds the
# consumer against it with README's own snippets, found through CMAKE_PREFIX_PATH and, natively,
# pkg-config, and runs the consumer and the tool from the package. Windows programs run from the
# unpacked bin/ folder in a fresh Wine prefix with nothing on Wine's path.
file(REMOVE_RECURSE ${WORK_DIR})
include(${CMAKE_CURRENT_LIST_DIR}/readme_snippets.cmake)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "failed (${result}): ${ARGN}\n${out}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

# expect(text...): the last run's output holds each text.
function(expect)
  foreach(text IN LISTS ARGN)
    string(FIND "${out}" "${text}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "no \"${text}\" in:\n${out}")
    endif()
  endforeach()
endfunction()

run(${CPACK} --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK_DIR}/packages)
if(WINDOWS)
  file(GLOB package ${WORK_DIR}/packages/corekit-*-win*.zip)
  file(ARCHIVE_EXTRACT INPUT ${package} DESTINATION ${WORK_DIR})
  get_filename_component(prefix ${package} NAME_WLE)
  set(prefix ${WORK_DIR}/${prefix})
  set(bin ${prefix}/bin)
  # The library and the tool beside the C++ runtime they import.
  foreach(file corekit.dll corekit.exe libstdc++-6.dll libwinpthread-1.dll)
    if(NOT EXISTS ${bin}/${file})
      message(FATAL_ERROR "the package has no bin/${file}")
    endif()
  endforeach()
else()
  file(GLOB package ${WORK_DIR}/packages/corekit_*.deb)
  file(GLOB debug_package ${WORK_DIR}/packages/corekit-dbgsym_*.ddeb)
  if(NOT debug_package)
    message(FATAL_ERROR "cpack made no debug package")
  endif()
  run(dpkg-deb -f ${package} Depends Installed-Size)
  expect("libicu" "libudev1")
  message(STATUS "${package}: ${out}")
  run(dpkg-deb -x ${package} ${WORK_DIR}/root)
  set(prefix ${WORK_DIR}/root/usr)
  set(bin ${prefix}/bin)
  # Stripped: the debug information is in the debug package alone.
  file(GLOB_RECURSE library ${prefix}/lib/corekit.so)
  run(${OBJDUMP} -h ${library} ${bin}/corekit)
  if(out MATCHES "\\.debug_info")
    message(FATAL_ERROR "the package's binaries carry debug information:\n${out}")
  endif()
endif()
# The tool is an application of the library: it imports it rather than holding a copy.
if(WINDOWS)
  run(${OBJDUMP} -p ${bin}/corekit.exe)
  expect("DLL Name: corekit.dll")
else()
  run(${OBJDUMP} -p ${bin}/corekit)
  expect("NEEDED               corekit.so")
endif()
# Each file once: the dictionaries under share/, none beside the tool.
if(NOT EXISTS ${prefix}/share/corekit/Translate/7/corekit.txt OR EXISTS ${bin}/Translate)
  message(FATAL_ERROR "the dictionaries are not installed once under share/corekit/Translate")
endif()

# The consumer: README's snippets in a project that sets no language standard, with resources of
# its own (corekit_add_resources).
readme_snippets(${README} ${WORK_DIR}/readme_snippets.cpp ${WORK_DIR}/readme_snippet.cmake)
set(configure ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK_DIR}/build -G ${GENERATOR}
              -DCMAKE_MAKE_PROGRAM=${MAKE_PROGRAM} -DCMAKE_PREFIX_PATH=${prefix}
              -DREADME_CPP=${WORK_DIR}/readme_snippets.cpp
              -DREADME_CMAKE=${WORK_DIR}/readme_snippet.cmake)
if(TOOLCHAIN)
  list(APPEND configure -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN})
endif()
run(${configure})
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)

# The consumer's folder holds the dictionaries, as README tells applications: the library's,
# copied from the package, and the consumer's own.
function(place_dictionaries folder)
  file(COPY ${prefix}/share/corekit/Translate DESTINATION ${folder})
  file(WRITE ${folder}/Translate/7/app.txt "[Survey ready][Vermessung bereit]\n[&Measure][&Messen]\n")
endfunction()

set(consumer_says "corekit consumer: ok, Survey Consumer 205, Survey ready")
if(WINDOWS)
  file(COPY ${WORK_DIR}/build/app.exe DESTINATION ${bin})
  place_dictionaries(${bin})
  set(ENV{COREKIT_WINE_PREFIX} ${WORK_DIR}/wine-prefix)
  set(ENV{COREKIT_WINE_PATH} "")
  set(ENV{COREKIT_WINE_EXPECT} "corekit consumer: ok")
  run(${EMULATOR} ${bin}/app.exe)
  expect("${consumer_says}")
  set(ENV{COREKIT_WINE_EXPECT} "Datei")
  run(${EMULATOR} ${bin}/corekit.exe error 2 --lang de)
  expect("Datei nicht gefunden")
else()
  place_dictionaries(${WORK_DIR}/build)
  run(${WORK_DIR}/build/app)
  expect("${consumer_says}")
  run(${bin}/corekit error 2 --lang de)
  expect("Datei nicht gefunden")

  # pkg-config gives C++20 and the library; the program carries no resources of its own.
  find_program(PKG_CONFIG pkg-config REQUIRED)
  file(GLOB_RECURSE pc_file ${prefix}/corekit.pc)
  get_filename_component(pc_dir "${pc_file}" DIRECTORY)
  set(ENV{PKG_CONFIG_PATH} ${pc_dir})
  run(${PKG_CONFIG} --cflags --libs corekit)
  string(STRIP "${out}" flags)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  run(${CXX} ${SOURCE_DIR}/consumer.cpp ${WORK_DIR}/readme_snippets.cpp ${flags} -o ${WORK_DIR}/pkg-app)
  run(${WORK_DIR}/pkg-app)
  expect("corekit consumer: ok")
endif()
