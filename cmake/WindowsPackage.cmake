# What an operator gets on Windows: `cmake --build --preset windows --target package` makes
#   zarvek-wizard-<version>-setup.exe   an NSIS installer: per machine into Program Files, a
#                                       Start-menu shortcut, an uninstaller, silent with /S
#   zarvek-wizard-<version>-win32.zip   the same programs to unpack and run anywhere
# in the build folder. The programs go into the installation folder itself, beside each other.
# The shipped build is 32-bit (Program Files (x86) on a 64-bit Windows); the 64-bit build check
# (preset windows64) packages with the 64-bit installer, into the 64-bit Program Files.
set(zarvek_package_folder "Zarvek File Wizard")

install(TARGETS zarvek-grid RUNTIME DESTINATION . COMPONENT programs)
# The window is built by window/win32/ where it exists; the shortcut leads to it.
if(TARGET zarvek-wizard)
  install(TARGETS zarvek-wizard RUNTIME DESTINATION . COMPONENT programs)
  set(CPACK_PACKAGE_EXECUTABLES zarvek-wizard "${zarvek_package_folder}")
endif()

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME zarvek-wizard)
set(CPACK_PACKAGE_VENDOR Zarvek)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Checks three measured seats of a workpiece and writes them into the arm's grid file")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_INSTALL_DIRECTORY "${zarvek_package_folder}")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "${zarvek_package_folder}")
set(CPACK_STRIP_FILES ON)

set(CPACK_NSIS_PACKAGE_NAME "${zarvek_package_folder}")
set(CPACK_NSIS_DISPLAY_NAME "${zarvek_package_folder} ${PROJECT_VERSION}")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
# Unicode installers; the stub matches the programs' bitness, and so does $PROGRAMFILES.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(CPACK_NSIS_DEFINES "Target amd64-unicode")
  set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
  set(CPACK_SYSTEM_NAME win64)
else()
  set(CPACK_NSIS_DEFINES "Target x86-unicode")
  set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES")
  set(CPACK_SYSTEM_NAME win32)
endif()

# The installer's own name; the zip keeps CPack's <name>-<version>-<system>.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/CPackPerGenerator.cmake)
file(CONFIGURE OUTPUT ${CPACK_PROJECT_CONFIG_FILE} CONTENT [[
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION}-setup")
endif()
]] @ONLY)

include(CPack)
