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
add_test(NAME zarvek_tests COMMAND zarvek_tests --gtest_color=no --gtest_brief=1)
set_tests_properties(zarvek_tests PROPERTIES ENVIRONMENT_MODIFICATION "${zarvek_english_ui}"
                                             TIMEOUT 1200)

# wine takes the Windows user interface language from the Unix locale of LC_MESSAGES (here from
# LANG); that locale must exist on the build machine (scripts/test-windows generates it).
set(zarvek_german_ui LANG=set:de_DE.UTF-8 LC_ALL=unset: LC_MESSAGES=unset: LANGUAGE=unset:
                     ZARVEK_EXPECTED_UI_LANGUAGE=set:German)
set(zarvek_language_test InterfaceLanguageWin32.CaptionsIgnoreUserUiLanguage)
add_test(NAME zarvek_tests_german_ui
         COMMAND zarvek_tests --gtest_color=no --gtest_filter=${zarvek_language_test})
# The filter must select and pass exactly that test: a renamed test must not pass silently.
set_tests_properties(zarvek_tests_german_ui PROPERTIES
                     ENVIRONMENT_MODIFICATION "${zarvek_german_ui}"
                     PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] 1 test\\."
                     TIMEOUT 300)
