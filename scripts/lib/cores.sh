# Sourced by every command that builds or runs ctest: both use every core of the
# machine, unless CMAKE_BUILD_PARALLEL_LEVEL or CTEST_PARALLEL_LEVEL already say how
# many. A test preset that must run its tests one at a time says so itself (the Windows
# builds' tests click at the one tray), and the preset wins.

export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
export CTEST_PARALLEL_LEVEL=${CTEST_PARALLEL_LEVEL:-$(nproc)}
