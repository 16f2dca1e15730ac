# corekit_add_resources(TARGET file.rc...): gives a target (library, tool, test) the resources of
# the .rc files. A real resource compiler makes the standard .res format from them. On Windows the
# resources are linked into the module as usual; on POSIX the .res image is embedded into the module
# as an ELF note ("corekit", type 0x53455243), which the platform layer reads back at run time.
# The .rc files are UTF-8. llvm-rc reads a leading "/" as an option switch (a path under /c... would be
# taken for -C), so the input follows "--".
if(WIN32)
  function(corekit_add_resources target)
    foreach(rc IN LISTS ARGN)
      get_filename_component(rc "${rc}" ABSOLUTE)
      set_source_files_properties(${rc} PROPERTIES COMPILE_OPTIONS "--codepage=65001")
      target_sources(${target} PRIVATE ${rc})
    endforeach()
  endfunction()
  return()
endif()

find_program(COREKIT_RC NAMES llvm-rc llvm-rc-16 llvm-rc-15 llvm-rc-14 REQUIRED)
set(_corekit_note_template ${CMAKE_CURRENT_LIST_DIR}/resource_note.S.in)

function(corekit_add_resources target)
  set(folder ${CMAKE_CURRENT_BINARY_DIR}/${target}.resources)
  foreach(rc IN LISTS ARGN)
    get_filename_component(rc "${rc}" ABSOLUTE)
    get_filename_component(stem "${rc}" NAME_WE)
    set(res ${folder}/${stem}.res)
    set(note ${folder}/${stem}.S)
    add_custom_command(OUTPUT ${res}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
                       COMMAND ${COREKIT_RC} -no-preprocess -C 65001 -FO ${res} -- ${rc}
                       DEPENDS ${rc}
                       COMMENT "Compiling resources ${stem}.rc for ${target}" VERBATIM)
    set(COREKIT_RES_FILE ${res})
    configure_file(${_corekit_note_template} ${note} @ONLY)
    set_source_files_properties(${note} PROPERTIES OBJECT_DEPENDS ${res})
    target_sources(${target} PRIVATE ${note} ${res})
  endforeach()
endfunction()
