# GoogleTest from Debian's sources, built with the project's own compiler, so the
# same tests link for Linux and for Windows.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads ${WIN32} CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
include(GoogleTest)

# brenvik_add_test(name SOURCES... LIBS...): one GoogleTest program, its tests
# discovered when ctest runs (through Wine on the Windows build).
function(brenvik_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
                       PROPERTIES ENVIRONMENT "WINEDEBUG=-all;WINEDLLOVERRIDES=mscoree,mshtml=")
endfunction()
