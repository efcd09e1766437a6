# Cross build for 64-bit Windows with MinGW-w64; the tests run under 64-bit Wine.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(BRENVIK_MINGW_TRIPLE x86_64-w64-mingw32)
# The oldest Windows it runs on: Windows XP x64 / Server 2003 SP2.
set(BRENVIK_WINDOWS_OLDEST 0x0502)
set(BRENVIK_WINDOWS_OLDEST_NTDDI 0x05020200)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
# Which Wine runs this build's programs (scripts/lib/wine.sh reads it from the cache).
set(BRENVIK_WINE_ARCH win64 CACHE INTERNAL "")
