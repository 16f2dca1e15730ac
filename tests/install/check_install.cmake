# Installs the build into a fresh prefix, builds the consumer against it with find_package (and,
# natively, with pkg-config) and runs what it built.
file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "failed (${result}): ${ARGN}\n${out}")
  endif()
  message(STATUS "${out}")
endfunction()

run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
file(GLOB_RECURSE config ${prefix}/*/corekitConfig.cmake)
get_filename_component(config_dir "${config}" DIRECTORY)
file(GLOB_RECURSE pc_file ${prefix}/*/corekit.pc)
get_filename_component(pc_dir "${pc_file}" DIRECTORY)

set(configure ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK_DIR}/build -G ${GENERATOR}
              -DCMAKE_MAKE_PROGRAM=${MAKE_PROGRAM} -Dcorekit_DIR=${config_dir})
if(TOOLCHAIN)
  list(APPEND configure -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN})
endif()
run(${configure})
run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)

if(WINDOWS)
  # Windows finds the DLL beside the program.
  file(COPY ${prefix}/bin/corekit.dll DESTINATION ${WORK_DIR}/build)
  # Only its last line shows that the program ran.
  set(ENV{COREKIT_WINE_EXPECT} "corekit consumer: ok")
  run(${EMULATOR} ${WORK_DIR}/build/consumer.exe)
else()
  run(${WORK_DIR}/build/consumer)

  find_program(PKG_CONFIG pkg-config REQUIRED)
  set(ENV{PKG_CONFIG_PATH} ${pc_dir})
  execute_process(COMMAND ${PKG_CONFIG} --cflags --libs corekit OUTPUT_VARIABLE flags
                  RESULT_VARIABLE result OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "pkg-config does not know corekit")
  endif()
  separate_arguments(flags UNIX_COMMAND "${flags}")
  run(${CXX} -std=c++20 ${SOURCE_DIR}/consumer.cpp ${flags} -o ${WORK_DIR}/pkg-consumer)
  run(${WORK_DIR}/pkg-consumer)
endif()
