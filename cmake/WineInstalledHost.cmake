# Installs or removes the fake host software in the current wine prefix, as the host's 32-bit
# installer would leave it: the library as Quadrel.dll in the installation folder, and the
# folder in the "Directory" value of the installation key in the 32-bit registry view, written
# by wine's own `reg` tool. Run by CTest as a fixture (cmake/CrossTests.cmake):
#   cmake -DMODE=install|remove -DWINE=<wine> -DFOLDER=<folder> -DWINDOWS_FOLDER=<its Windows
#         path> -DLIBRARY=<fake host library> -P WineInstalledHost.cmake
set(key "HKLM\\Software\\Altreon\\Quadrel\\2.2\\General")

if(MODE STREQUAL "install")
  file(REMOVE_RECURSE "${FOLDER}")
  file(MAKE_DIRECTORY "${FOLDER}")
  file(COPY_FILE "${LIBRARY}" "${FOLDER}/Quadrel.dll")
  execute_process(
    COMMAND "${WINE}" reg add "${key}" /v Directory /t REG_SZ /d "${WINDOWS_FOLDER}" /reg:32 /f
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "wine reg add failed: ${result}")
  endif()
elseif(MODE STREQUAL "remove")
  execute_process(COMMAND "${WINE}" reg delete "${key}" /reg:32 /f RESULT_VARIABLE result)
  file(REMOVE_RECURSE "${FOLDER}")
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "wine reg delete failed: ${result}")
  endif()
else()
  message(FATAL_ERROR "MODE must be install or remove")
endif()
