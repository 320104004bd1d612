# Cross build of the plug-in DLL and its Wine-run tests for 32-bit Windows.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(KOVRA_MINGW_TARGET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
