# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix threads: std::thread and
# the C++ runtime's locks need them, and Qt is built the same way).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TARVOLIN_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TARVOLIN_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TARVOLIN_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TARVOLIN_MINGW}-windres)
# The cross-built libraries: scripts/windows names their folder in the environment, which
# CMake keeps for the compiler checks it runs in fresh projects.
set(CMAKE_FIND_ROOT_PATH /usr/${TARVOLIN_MINGW} $ENV{TARVOLIN_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
