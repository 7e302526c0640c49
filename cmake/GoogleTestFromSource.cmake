# GoogleTest compiled from Debian's sources (package googletest, /usr/src/googletest) with the
# project's own compiler. Used by cross builds: the installed libgtest is built for the build
# machine and cannot be linked into a Windows program. Provides the same GTest::gtest and
# GTest::gtest_main targets that find_package(GTest) does.
set(PICTAVO_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources for cross builds")
if(NOT EXISTS ${PICTAVO_GTEST_SOURCE_DIR}/googletest/CMakeLists.txt)
    message(FATAL_ERROR "No GoogleTest sources in ${PICTAVO_GTEST_SOURCE_DIR}: install the googletest package")
endif()

set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
# SYSTEM: its headers are included like the installed ones, outside our -Werror warnings.
add_subdirectory(${PICTAVO_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
