# Cross-compiles for 32-bit Windows (i686), which is what ships: the host software and its library
# are 32-bit, and a 64-bit process cannot load a 32-bit library (package g++-mingw-w64-i686-posix).
# CTest runs the programs under wine when it is installed.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(ZARVEK_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake)

find_program(ZARVEK_WINE NAMES wine)
if(ZARVEK_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ZARVEK_WINE})
endif()
