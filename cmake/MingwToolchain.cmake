# What both MinGW-w64 toolchain files share; each sets ZARVEK_MINGW_TRIPLE and
# CMAKE_SYSTEM_PROCESSOR first. Debian's MinGW-w64 with the posix thread model; programs are linked
# statically (libgcc, libstdc++, winpthread), so they run on a bare Windows or under wine without
# any extra DLL.
set(CMAKE_SYSTEM_NAME Windows)
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
# Optimised programs are linked without symbols: the build folder holds what ships.
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")
