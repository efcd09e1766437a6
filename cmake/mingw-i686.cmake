# Cross build for 32-bit Windows with MinGW-w64 (the shipping build), for Windows XP SP3
# and later; the tests run under 32-bit Wine.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(BRENVIK_WINDOWS_OLDEST 0x0501 0x05010300)  # _WIN32_WINNT, NTDDI_VERSION: XP SP3
# Which Wine runs this build's programs (scripts/lib/wine.sh reads it from the cache).
set(BRENVIK_WINE_ARCH win32 CACHE INTERNAL "")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
