# Tests of a cross-build, run through CMAKE_CROSSCOMPILING_EMULATOR (wine for the Windows build).
# Starting the emulator costs about a second, so the suite runs as one process instead of one
# process per test; GoogleTest's summary gives the count and names every failing test. The
# house-rule checks run only in the native build: they test the sources, which are the same.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  message(STATUS "No emulator for the cross-built tests (install wine): CTest will run none")
  return()
endif()

# A fixed interface language for the whole suite, and the one the language test expects.
set(zarvek_english_ui LANG=set:C.UTF-8 LC_ALL=unset: LC_MESSAGES=unset: LANGUAGE=unset:
                      ZARVEK_EXPECTED_UI_LANGUAGE=set:English)
# The tests of the installed host need the fixture below and run on their own.
set(zarvek_tests_left_out InstalledHostWin32.*)
# On 32-bit Windows a C++ exception cannot leave a DLL that carries its own runtime (the DWARF
# unwinder of each module knows only that module's frames), so the fake host's throw would end
# the suite; a real host, built by another toolchain, throws none of ours anyway. The rule is
# tested by the 64-bit and the Linux runs.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  list(APPEND zarvek_tests_left_out HostLibraryTest.ErrorRaisedByTheHostIsSuppressed)
endif()
list(JOIN zarvek_tests_left_out ":" zarvek_tests_left_out)
add_test(NAME zarvek_tests
         COMMAND zarvek_tests --gtest_color=no --gtest_brief=1
                 --gtest_filter=-${zarvek_tests_left_out})
# The registry tests skip on a machine whose registry already holds the host's installation key;
# in the throw-away wine prefix it never does, so a skip there is a failure. wine derives the
# ANSI code page from the Unix locale as well: 1252 for C.UTF-8.
set_tests_properties(zarvek_tests PROPERTIES
                     ENVIRONMENT_MODIFICATION
                       "${zarvek_english_ui};ZARVEK_EXPECTED_ANSI_CODE_PAGE=set:1252"
                     FAIL_REGULAR_EXPRESSION "registry tests skipped"
                     TIMEOUT 1200)

# wine takes the Windows user interface language from the Unix locale of LC_MESSAGES (here from
# LANG); that locale must exist on the build machine (scripts/test-windows generates it).
set(zarvek_german_ui LANG=set:de_DE.UTF-8 LC_ALL=unset: LC_MESSAGES=unset: LANGUAGE=unset:
                     ZARVEK_EXPECTED_UI_LANGUAGE=set:German)
# With the language test, the registry box that stays English whatever the interface language.
set(zarvek_german_tests InterfaceLanguageWin32.CaptionsIgnoreUserUiLanguage
                        QueryArmdataFolderWin32.MissingKeyShowsTheFixedEnglishBoxOnce)
list(JOIN zarvek_german_tests ":" zarvek_german_filter)
add_test(NAME zarvek_tests_german_ui
         COMMAND zarvek_tests --gtest_color=no --gtest_filter=${zarvek_german_filter})
# The filter must select and pass exactly those tests: a renamed test must not pass silently.
set_tests_properties(zarvek_tests_german_ui PROPERTIES
                     ENVIRONMENT_MODIFICATION "${zarvek_german_ui}"
                     PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] 2 tests\\."
                     FAIL_REGULAR_EXPRESSION "registry tests skipped"
                     TIMEOUT 300)

# The host software installed as its installer leaves it (cmake/WineInstalledHost.cmake): the
# installation entry written by wine's `reg add /reg:32` and the fake host library as
# Quadrel.dll in that folder. wine maps drive Z: to the Unix root. The fixture runs after the
# tests above, which need the installation key absent, and removes it again.
set(zarvek_host_folder ${CMAKE_CURRENT_BINARY_DIR}/installed_host)
string(REPLACE "/" "\\" zarvek_host_folder_windows "Z:${zarvek_host_folder}")
set(zarvek_host_script
    -DWINE=${CMAKE_CROSSCOMPILING_EMULATOR} -DFOLDER=${zarvek_host_folder}
    -DWINDOWS_FOLDER=${zarvek_host_folder_windows}
    -DLIBRARY=$<TARGET_FILE:fake_host_push_recorder>
    -P ${PROJECT_SOURCE_DIR}/cmake/WineInstalledHost.cmake)
add_test(NAME install_host_under_wine COMMAND ${CMAKE_COMMAND} -DMODE=install ${zarvek_host_script})
add_test(NAME remove_host_under_wine COMMAND ${CMAKE_COMMAND} -DMODE=remove ${zarvek_host_script})
add_test(NAME zarvek_tests_installed_host
         COMMAND zarvek_tests --gtest_color=no --gtest_filter=InstalledHostWin32.*)
set_tests_properties(install_host_under_wine PROPERTIES FIXTURES_SETUP installed_host
                     DEPENDS "zarvek_tests;zarvek_tests_german_ui")
set_tests_properties(remove_host_under_wine PROPERTIES FIXTURES_CLEANUP installed_host)
set_tests_properties(zarvek_tests_installed_host PROPERTIES
                     FIXTURES_REQUIRED installed_host
                     ENVIRONMENT_MODIFICATION
                       "${zarvek_english_ui};ZARVEK_INSTALLED_HOST_FOLDER=set:${zarvek_host_folder_windows}"
                     PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] 2 tests\\."
                     TIMEOUT 300)

# The installer (cmake/WindowsPackage.cmake), made by the target package before the tests run
# (scripts/test-windows). In the 64-bit wine prefix of the tests, a 32-bit installer's Program
# Files is "Program Files (x86)".
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(zarvek_program_files "Program Files")
else()
  set(zarvek_program_files "Program Files (x86)")
endif()
add_test(NAME installer_under_wine
         COMMAND ${CMAKE_COMMAND} -DWINE=${CMAKE_CROSSCOMPILING_EMULATOR}
                 -DINSTALLER=${CMAKE_BINARY_DIR}/zarvek-wizard-${PROJECT_VERSION}-setup.exe
                 "-DPROGRAM_FILES=${zarvek_program_files}"
                 -DWITH_WINDOW=$<TARGET_EXISTS:zarvek-wizard>
                 -P ${PROJECT_SOURCE_DIR}/cmake/WineInstallerTest.cmake)
set_tests_properties(installer_under_wine PROPERTIES TIMEOUT 300)

# The Win32 window. Its tests create windows, so they run with a display: xvfb-run gives each
# run a virtual screen of its own. The window tests use no registry and run with the others; the
# keyboard-driven runs of the real exe need the installed host (its registry entry and
# Quadrel.dll) and write into its Armdata folder, English and German.
if(TARGET zarvek_window_win32_tests)
  set(zarvek_screen xvfb-run -a -s "-screen 0 1280x1024x24")
  add_test(NAME zarvek_window_win32_tests
           COMMAND ${zarvek_screen} ${CMAKE_CROSSCOMPILING_EMULATOR}
                   $<TARGET_FILE:zarvek_window_win32_tests> --gtest_color=no --gtest_brief=1)
  set_tests_properties(zarvek_window_win32_tests PROPERTIES
                       ENVIRONMENT_MODIFICATION "${zarvek_english_ui}"
                       PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] [0-9]+ tests?\\."
                       FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]"
                       TIMEOUT 600)
  foreach(language english german)
    add_test(NAME zarvek_wizard_keyboard_${language}
             COMMAND ${zarvek_screen} bash
                     ${PROJECT_SOURCE_DIR}/tests/window/win32/keyboard_end_to_end.sh
                     ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:zarvek-wizard>
                     ${zarvek_host_folder} ${PROJECT_SOURCE_DIR}/tests/data/cli_make_expected.dat
                     ${language} $<TARGET_FILE:read_status_line>)
    set_tests_properties(zarvek_wizard_keyboard_${language} PROPERTIES
                         FIXTURES_REQUIRED installed_host
                         PASS_REGULAR_EXPRESSION "written bytes as expected, one push"
                         TIMEOUT 300)
  endforeach()
endif()
