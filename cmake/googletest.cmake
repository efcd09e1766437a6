# The tests need GoogleTest: Debian's sources, built with the project's own compiler so
# that the same tests link for Linux and for Windows, or else an installed GoogleTest
# (MSYS2's, say). Without either, the program builds alone: BRENVIK_TESTS=AUTO leaves
# the tests out and says so, ON insists on them.
set(BRENVIK_TESTS AUTO CACHE STRING "Build the tests: AUTO (when GoogleTest is found), ON or OFF")
set_property(CACHE BRENVIK_TESTS PROPERTY STRINGS AUTO ON OFF)
set(BRENVIK_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's source tree, built with the project")

set(brenvik_tests OFF)
if(NOT BRENVIK_TESTS STREQUAL "OFF")
  if(EXISTS ${BRENVIK_GOOGLETEST_SOURCE}/CMakeLists.txt)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(gtest_disable_pthreads ${WIN32} CACHE BOOL "" FORCE)
    add_subdirectory(${BRENVIK_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
    # GoogleTest's own code only runs the tests: unoptimised and with no debug
    # information, its one large file compiles in a third of the time.
    target_compile_options(gtest PRIVATE -O0 -g0)
    target_compile_options(gtest_main PRIVATE -O0 -g0)
    set(brenvik_tests ON)
  else()
    find_package(GTest QUIET)
    set(brenvik_tests ${GTest_FOUND})
  endif()
  if(NOT brenvik_tests AND BRENVIK_TESTS STREQUAL "ON")
    message(FATAL_ERROR "BRENVIK_TESTS=ON, but no GoogleTest: neither ${BRENVIK_GOOGLETEST_SOURCE} nor an installed one")
  elseif(NOT brenvik_tests)
    message(STATUS "No GoogleTest found: the tests were left out (BRENVIK_TESTS=ON asks for them)")
  endif()
endif()
if(NOT brenvik_tests)
  return()
endif()

# brenvik_add_test(name SOURCES... LIBS...): one GoogleTest program, run whole as one
# test (through Wine, scripts/lib/wine-run.sh, on the Windows builds): a program
# started under Wine costs about a second before its first test. GoogleTest names
# each failing test at the end of its output, which ctest prints on failure and keeps
# whole, passed or failed, in Testing/Temporary/LastTest.log.
function(brenvik_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  # One translation unit per test program: GoogleTest's header, the largest part of
  # each test file's compile, is read once per program instead of once per file.
  set_target_properties(${name} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 0)
  # The test's own code only drives the program's, which keeps its build's flags: it
  # compiles in under half the time unoptimised and without debug information. The
  # sanitizers' build keeps its debug information for their reports.
  if(NOT BRENVIK_SANITIZE)
    target_compile_options(${name} PRIVATE -O0 -g0)
  endif()
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
endfunction()
