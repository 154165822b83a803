# Cross-compiles for 64-bit Windows with mingw-w64 (Debian's g++-mingw-w64-x86-64-posix).
# The -posix variant is required: the -win32 one has no std::thread, std::mutex or
# std::condition_variable. Test programs run under wine when it is installed.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER   x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER  x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Static runtime: the programs run without the mingw DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
find_program(WINE_EXE NAMES wine)
if(WINE_EXE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE_EXE})
endif()
