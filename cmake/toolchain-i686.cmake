# Cross build for 32-bit Windows with the mingw-w64 posix-threads compilers.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(OSTREL_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
