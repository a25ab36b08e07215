# Installs the Windows installer silently in the current wine prefix, as an administrator would,
# checks what it left, runs the installed zarvek-grid.exe, uninstalls silently and checks that
# everything is gone. Run by CTest (cmake/CrossTests.cmake) after the target package was built:
#   cmake -DWINE=<wine> -DINSTALLER=<...-setup.exe> -DPROGRAM_FILES=<folder name under C:\>
#         -DWITH_WINDOW=<1 when zarvek-wizard.exe is built> -P WineInstallerTest.cmake
# The prefix is $WINEPREFIX (wine's default ~/.wine without it).
if(NOT EXISTS "${INSTALLER}")
  message(FATAL_ERROR "no installer at ${INSTALLER}: build the target package first")
endif()
if(DEFINED ENV{WINEPREFIX})
  set(drive "$ENV{WINEPREFIX}/drive_c")
else()
  set(drive "$ENV{HOME}/.wine/drive_c")
endif()
set(name "Zarvek File Wizard")
set(folder "${drive}/${PROGRAM_FILES}/${name}")
# Per machine: the shortcuts of all users, not the installing user's own.
set(menu "${drive}/ProgramData/Microsoft/Windows/Start Menu/Programs/${name}")
set(programs zarvek-grid.exe)
if(WITH_WINDOW)
  list(APPEND programs zarvek-wizard.exe)
endif()

function(expect condition what)
  if(NOT ${condition})
    message(FATAL_ERROR "${what}")
  endif()
endfunction()

file(REMOVE_RECURSE "${folder}" "${menu}")
execute_process(COMMAND ${WINE} "${INSTALLER}" /S RESULT_VARIABLE status)
expect("status EQUAL 0" "the silent install ended with ${status}")
foreach(program IN LISTS programs ITEMS Uninstall.exe)
  expect("EXISTS \"${folder}/${program}\"" "not installed: ${folder}/${program}")
endforeach()
expect("EXISTS \"${menu}/Uninstall.lnk\"" "no uninstall shortcut in ${menu}")
if(WITH_WINDOW)
  set(shortcut "${menu}/${name}.lnk")
  expect("EXISTS \"${shortcut}\"" "no Start-menu shortcut ${shortcut}")
  file(STRINGS "${shortcut}" target REGEX "zarvek-wizard\\.exe")
  expect("target" "the shortcut ${shortcut} does not lead to zarvek-wizard.exe")
endif()

execute_process(COMMAND ${WINE} "${folder}/zarvek-grid.exe" --help
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
expect("status EQUAL 0" "installed zarvek-grid.exe --help ended with ${status}:\n${out}${err}")
string(FIND "${out}" "zarvek-grid" found)
expect("NOT found EQUAL -1" "installed zarvek-grid.exe --help printed no usage:\n${out}${err}")

# The uninstaller copies itself away and returns at once; the copy removes the folder.
execute_process(COMMAND ${WINE} "${folder}/Uninstall.exe" /S RESULT_VARIABLE status)
expect("status EQUAL 0" "the silent uninstall ended with ${status}")
foreach(second RANGE 60)
  if(NOT EXISTS "${folder}" AND NOT EXISTS "${menu}")
    break()
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E sleep 1)
endforeach()
expect("NOT EXISTS \"${folder}\"" "left after the uninstall: ${folder}")
expect("NOT EXISTS \"${menu}\"" "left after the uninstall: ${menu}")
message(STATUS "installed ${programs} into ${folder}, ran zarvek-grid --help, uninstalled")
