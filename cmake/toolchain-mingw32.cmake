# Cross-compiles for 32-bit Windows (i686), which is what ships: the host software and its library
# are 32-bit, and a 64-bit process cannot load a 32-bit library. Debian's MinGW-w64 with the posix
# thread model (package g++-mingw-w64-i686-posix). Programs are linked statically (libgcc,
# libstdc++, winpthread), so they run on a bare Windows or under wine without any extra DLL. CTest
# runs them under wine when it is installed.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(ZARVEK_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_C_COMPILER ${ZARVEK_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZARVEK_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ZARVEK_MINGW_TRIPLE}-windres)

# Headers and libraries come only from the MinGW-w64 sysroot, never from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${ZARVEK_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

find_program(ZARVEK_WINE NAMES wine)
if(ZARVEK_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ZARVEK_WINE})
endif()
