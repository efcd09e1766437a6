# Cross build for 32-bit Windows with MinGW-w64 (the shipping build); the tests run
# under 32-bit Wine.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(BRENVIK_MINGW_TRIPLE i686-w64-mingw32)
# The oldest Windows it runs on: Windows XP SP3.
set(BRENVIK_WINDOWS_OLDEST 0x0501)
set(BRENVIK_WINDOWS_OLDEST_NTDDI 0x05010300)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
# Which Wine runs this build's programs (scripts/lib/wine.sh reads it from the cache).
set(BRENVIK_WINE_ARCH win32 CACHE INTERNAL "")
