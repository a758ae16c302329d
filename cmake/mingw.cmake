# Cross-compiling to Windows with mingw-w64. The shipped programs are i686 with
# the win32 thread model: the posix model's runtime (winpthreads) imports
# AddVectoredExceptionHandler, which Windows before XP lacks, so nothing built
# with it loads there. The test programs use the posix model, since GoogleTest
# needs std::mutex (TORVANE_MINGW_THREADS=posix), and are x86_64 on a machine
# that runs no 32-bit code, where only the 64-bit Wine works
# (TORVANE_MINGW_ARCH=x86_64).
set(CMAKE_SYSTEM_NAME Windows)
if(NOT TORVANE_MINGW_ARCH)
  set(TORVANE_MINGW_ARCH i686)
endif()
if(NOT TORVANE_MINGW_THREADS)
  set(TORVANE_MINGW_THREADS win32)
endif()
set(CMAKE_SYSTEM_PROCESSOR ${TORVANE_MINGW_ARCH})
set(triplet ${TORVANE_MINGW_ARCH}-w64-mingw32)
set(CMAKE_C_COMPILER ${triplet}-gcc-${TORVANE_MINGW_THREADS})
set(CMAKE_CXX_COMPILER ${triplet}-g++-${TORVANE_MINGW_THREADS})
set(CMAKE_RC_COMPILER ${triplet}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
