# Cross-compiles for 64-bit Windows with the Debian mingw-w64 toolchain (the
# posix thread model, which std::thread and std::mutex need). Tests run under
# wine as the emulator when it is installed.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(BRUL_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${BRUL_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BRUL_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${BRUL_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${BRUL_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The programs carry the compiler's runtime (libstdc++, libgcc, winpthread)
# inside them, so they run from any folder without DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

find_program(BRUL_WINE NAMES wine wine64)
if(BRUL_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${BRUL_WINE})
endif()
