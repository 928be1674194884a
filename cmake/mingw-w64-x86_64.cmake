# Cross-builds for 64-bit Windows with Debian's MinGW-w64 compiler, posix
# thread model (std::thread and std::mutex need it), and runs what it builds
# under Wine:
#   cmake -S . -B build-win --toolchain cmake/mingw-w64-x86_64.cmake -DVELNAR_CORE_ONLY=ON
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VELNAR_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VELNAR_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELNAR_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VELNAR_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VELNAR_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Static runtime: the programs run without the compiler's DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Debian installs 64-bit Wine's loader outside the search path.
find_program(VELNAR_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(VELNAR_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${VELNAR_WINE64})
endif()

# Tests are listed when CTest runs, by then in a Wine prefix made ready for it.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
