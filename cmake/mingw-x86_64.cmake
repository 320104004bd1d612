# Cross build for 64-bit Windows: on a machine that cannot run 32-bit programs the
# Wine suite runs on the same sources built for x64 (scripts/test.sh chooses).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KOVRA_MINGW_TARGET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
