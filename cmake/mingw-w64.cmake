# The settings both Windows toolchains share: Debian's mingw-w64 compilers of the posix threads
# model for the target _mingw names, and a search that finds libraries only in the roots below.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${_mingw}-windres)
# The compiler's own root, and the prefixes of packages installed for Windows (CMAKE_PREFIX_PATH, as
# in any build), which the searches below confine themselves to.
string(REPLACE ":" ";" _environment_prefixes "$ENV{CMAKE_PREFIX_PATH}")
set(CMAKE_FIND_ROOT_PATH /usr/${_mingw} ${CMAKE_PREFIX_PATH} ${_environment_prefixes})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
