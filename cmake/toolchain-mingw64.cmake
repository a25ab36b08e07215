# A build check only: 32-bit is what ships (cmake/toolchain-mingw32.cmake). Cross-compiles for
# 64-bit Windows (package g++-mingw-w64-x86-64-posix), linked statically as the 32-bit build.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ZARVEK_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake)

# 64-bit programs run on wine's 64-bit loader. /usr/bin/wine prefers the 32-bit one whenever
# wine32 is installed, and that one cannot start where the machine runs no 32-bit code.
find_program(ZARVEK_WINE NAMES wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(ZARVEK_WINE NAMES wine)
if(ZARVEK_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ZARVEK_WINE})
endif()
