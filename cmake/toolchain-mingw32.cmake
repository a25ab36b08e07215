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

# Doubles in SSE2 registers, as in every other build. The x87 unit's wider registers round twice
# (to 80 bits, then to 64), so a division that must be correctly rounded, which the number reader
# relies on, can come out one unit off, and the shipped program would read and draw numbers
# differently from the others. Every processor that Windows still runs on has SSE2.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
