# Warnings and sanitizers for the project's own targets (not for third-party sources).
add_library(corekit_options INTERFACE)
target_compile_options(corekit_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow)
if(COREKIT_WARNINGS_AS_ERRORS)
  target_compile_options(corekit_options INTERFACE -Werror)
endif()
# Calls between the library's own functions may be inlined although the functions are exported:
# nothing is meant to interpose them.
if(NOT WIN32)
  target_compile_options(corekit_options INTERFACE -fno-semantic-interposition)
endif()
# Assertions stay on in every build.
target_compile_options(corekit_options INTERFACE -UNDEBUG)

if(COREKIT_SANITIZE)
  set(COREKIT_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(${COREKIT_SANITIZER_FLAGS})
  add_link_options(${COREKIT_SANITIZER_FLAGS})
endif()

if(COREKIT_SANITIZE_THREAD)
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
endif()
