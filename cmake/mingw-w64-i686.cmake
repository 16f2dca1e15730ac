# Cross-compiles for 32-bit Windows with Debian's mingw-w64 (posix threads model, DWARF-2 exceptions
# as that compiler has them).
set(CMAKE_SYSTEM_PROCESSOR x86)
set(_mingw i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
# Floating-point arithmetic in SSE2 registers, so that results are IEEE double as on the other
# builds (the x87 unit would round through 80-bit extended precision).
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
