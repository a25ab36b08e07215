# GoogleTest compiled with the project's own compiler from the sources Debian ships (package
# googletest), for builds that cannot link the build machine's prebuilt libraries, such as the
# Windows cross-build. Provides the same GTest::gtest and GTest::gtest_main targets as
# find_package(GTest) (GoogleTest's own build defines them as aliases).
set(ZARVEK_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources to build")
if(NOT EXISTS ${ZARVEK_GTEST_SOURCE_DIR}/CMakeLists.txt)
  message(FATAL_ERROR "No GoogleTest sources in ${ZARVEK_GTEST_SOURCE_DIR} "
                      "(install the Debian package googletest)")
endif()

set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(${ZARVEK_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Third-party code: its warnings are not ours to fix.
foreach(target gtest gtest_main)
  target_compile_options(${target} PRIVATE $<IF:$<CXX_COMPILER_ID:MSVC>,/w,-w>)
endforeach()
