# Cross build for 64-bit Windows with MinGW-w64, for Windows XP x64 / Server 2003 SP2
# and later; the tests run under 64-bit Wine.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(BRENVIK_WINDOWS_OLDEST 0x0502 0x05020200)  # _WIN32_WINNT, NTDDI_VERSION: 2003 SP2
# Which Wine runs this build's programs (scripts/lib/wine.sh reads it from the cache).
set(BRENVIK_WINE_ARCH win64 CACHE INTERNAL "")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
