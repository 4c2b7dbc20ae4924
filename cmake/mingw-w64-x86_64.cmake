# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (g++-mingw-w64-x86-64-posix).
# The POSIX threading flavour: the win32 one of GCC 12 has no std::thread.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZOVA_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZOVA_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZOVA_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${ZOVA_MINGW_PREFIX}-windres)

# Libraries and headers come from the mingw sysroot and ZOVA_WINDOWS_PREFIX (GoogleTest built for Windows,
# see scripts/windows-check), programs from the build machine.
set(ZOVA_WINDOWS_PREFIX "" CACHE PATH "Where libraries built for Windows are installed")
set(CMAKE_FIND_ROOT_PATH /usr/${ZOVA_MINGW_PREFIX} ${ZOVA_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The executables carry their runtime (libstdc++, libgcc, winpthread), so they run without DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Tests run through wine on the build machine.
find_program(ZOVA_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(ZOVA_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ZOVA_WINE})
endif()
