# What both MinGW-w64 cross builds share; the toolchain file of each sets the processor
# (i686 or x86_64) and the oldest Windows the build runs on (BRENVIK_WINDOWS_OLDEST: its
# _WIN32_WINNT and NTDDI_VERSION), and includes this.
set(CMAKE_SYSTEM_NAME Windows)
set(BRENVIK_MINGW_TRIPLE ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)
list(GET BRENVIK_WINDOWS_OLDEST 0 brenvik_winnt)
list(GET BRENVIK_WINDOWS_OLDEST 1 brenvik_ntddi)
# The win32 thread model: the C++ runtime sits on Windows' own threads, so the
# program carries no winpthreads (nothing in the tree starts a std::thread).
set(CMAKE_C_COMPILER ${BRENVIK_MINGW_TRIPLE}-gcc-win32)
set(CMAKE_CXX_COMPILER ${BRENVIK_MINGW_TRIPLE}-g++-win32)
set(CMAKE_RC_COMPILER ${BRENVIK_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${BRENVIK_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# The headers declare only what the oldest Windows has: a call to something newer fails
# to compile instead of failing to load there; newer functions are found at run time.
set(brenvik_oldest_windows
    "-D_WIN32_WINNT=${brenvik_winnt} -DWINVER=${brenvik_winnt} -DNTDDI_VERSION=${brenvik_ntddi}")
# Each function and datum in a section of its own, so the linker can leave out
# what the program never uses.
set(CMAKE_C_FLAGS_INIT "-ffunction-sections -fdata-sections ${brenvik_oldest_windows}")
set(CMAKE_CXX_FLAGS_INIT "-ffunction-sections -fdata-sections ${brenvik_oldest_windows}")
# The tests and benchmarks run on the Windows (Wine) that runs them: they see all the
# headers declare, as the headers' own defaults give it. (So no program header holds a
# Windows structure whose size depends on the version.)
set(BRENVIK_TESTS_WINDOWS_OPTIONS -U_WIN32_WINNT -UWINVER -UNTDDI_VERSION)
# One self-contained file: the C and C++ runtimes linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# ctest runs the programs under Wine through the one Wine module (scripts/lib/wine.sh).
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../scripts/lib/wine-run.sh")
