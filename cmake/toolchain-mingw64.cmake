# A build check only: 32-bit is what ships (cmake/toolchain-mingw32.cmake). Cross-compiles for
# 64-bit Windows with Debian's MinGW-w64 (the posix thread model, package
# g++-mingw-w64-x86-64-posix), linked statically as the 32-bit build.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZARVEK_MINGW_TRIPLE x86_64-w64-mingw32)
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

# 64-bit programs run on wine's 64-bit loader. /usr/bin/wine prefers the 32-bit one whenever
# wine32 is installed, and that one cannot start where the machine runs no 32-bit code.
find_program(ZARVEK_WINE NAMES wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(ZARVEK_WINE NAMES wine)
if(ZARVEK_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ZARVEK_WINE})
endif()
