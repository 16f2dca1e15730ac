# corekit_add_resources(TARGET file.rc...): gives a target (library, program, test) the resources
# of the .rc files (UTF-8): string tables, menus, dialogs and a version block, which GetAppName,
# GetModuleVersion and the translated texts read. A real resource compiler makes the standard .res
# format from them: windres for Windows modules, which link it as usual; llvm-rc (Debian package
# llvm) for Linux modules, which carry the .res image as an ELF note ("corekit", type 0x53455243)
# that corekit reads back at run time. Only the C++ language is needed. Installed with the package.
set(_corekit_note_template ${CMAKE_CURRENT_LIST_DIR}/resource_note.cpp.in)

function(corekit_add_resources target)
  set(folder ${CMAKE_CURRENT_BINARY_DIR}/${target}.resources)
  if(WIN32)
    # The resource compiler of the cross compiler: x86_64-w64-mingw32-g++-posix has
    # x86_64-w64-mingw32-windres beside it.
    get_filename_component(compiler "${CMAKE_CXX_COMPILER}" NAME)
    string(REGEX REPLACE "[gc]\\+\\+.*$" "windres" windres "${compiler}")
    find_program(COREKIT_WINDRES NAMES ${CMAKE_RC_COMPILER} ${windres} windres REQUIRED)
  else()
    # llvm-rc reads a leading "/" as an option switch (a path under /c... would be taken for -C),
    # so the input follows "--".
    find_program(COREKIT_RC NAMES llvm-rc llvm-rc-16 llvm-rc-15 llvm-rc-14 REQUIRED)
  endif()
  foreach(rc IN LISTS ARGN)
    get_filename_component(rc "${rc}" ABSOLUTE)
    get_filename_component(stem "${rc}" NAME_WE)
    if(WIN32)
      set(object ${folder}/${stem}.res.obj)
      add_custom_command(OUTPUT ${object}
                         COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
                         COMMAND ${COREKIT_WINDRES} --codepage=65001 -O coff -i ${rc} -o ${object}
                         DEPENDS ${rc}
                         COMMENT "Compiling resources ${stem}.rc for ${target}" VERBATIM)
      set_source_files_properties(${object} PROPERTIES EXTERNAL_OBJECT TRUE GENERATED TRUE)
      target_sources(${target} PRIVATE ${object})
      continue()
    endif()
    set(res ${folder}/${stem}.res)
    set(note ${folder}/${stem}.note.cpp)
    add_custom_command(OUTPUT ${res}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
                       COMMAND ${COREKIT_RC} -no-preprocess -C 65001 -FO ${res} -- ${rc}
                       DEPENDS ${rc}
                       COMMENT "Compiling resources ${stem}.rc for ${target}" VERBATIM)
    set(COREKIT_RES_FILE ${res})
    configure_file(${_corekit_note_template} ${note} @ONLY)
    # Compiled alone, after the .res image, also in a target that merges its sources.
    set_source_files_properties(${note} PROPERTIES OBJECT_DEPENDS ${res} SKIP_UNITY_BUILD_INCLUSION ON)
    target_sources(${target} PRIVATE ${note} ${res})
  endforeach()
endfunction()
