# Cross build for 32-bit Windows: the program users are pointed to.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TOOLCHAIN_PREFIX i686-w64-mingw32)
find_program(TAVRIN_WINE_LOADER wine REQUIRED)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
