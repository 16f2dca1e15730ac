# Runs the built corekit tool as a user would: a good conversion prints every form, bad input ends
# with one line on standard error and exit code 2, and prints nothing on standard output.
function(expect_run expected_code)
  execute_process(COMMAND ${EMULATOR} ${TOOL} ${ARGN} RESULT_VARIABLE code
                  OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT code EQUAL expected_code)
    message(FATAL_ERROR "corekit ${ARGN}: exit ${code}, expected ${expected_code}\n${out}${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

expect_run(0 time 2005-06-15T12:30:45)
foreach(form "802873845" "1327" "303" "304245" "1118838645" "Wednesday")
  string(FIND "${out}" "${form}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the conversion does not show ${form}:\n${out}")
  endif()
endforeach()

foreach(bad "time;2005-02-30" "time;--seconds;12x" "time;--seconds;0" "time;--week;1327" "time;--nothing")
  expect_run(2 ${bad})
  string(STRIP "${err}" line)
  if(NOT out STREQUAL "" OR line STREQUAL "" OR line MATCHES "\n")
    message(FATAL_ERROR "corekit ${bad}: expected one line of error and no output, got\n${out}---\n${err}")
  endif()
endforeach()
