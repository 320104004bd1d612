# Shared part of the mingw-w64 toolchain files: they set KOVRA_MINGW_TARGET
# (the compilers' target triplet) and the processor, then include this.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${KOVRA_MINGW_TARGET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KOVRA_MINGW_TARGET}-g++-posix)
set(CMAKE_RC_COMPILER ${KOVRA_MINGW_TARGET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${KOVRA_MINGW_TARGET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tests/host/wine-run.sh)
