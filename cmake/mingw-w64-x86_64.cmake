# Cross build for 64-bit Windows, from the same sources: what hosts that
# cannot execute 32-bit programs run and test, under 64-bit Wine only.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
# Debian's `wine` starts the 32-bit loader whenever wine32 is installed,
# which fails where the kernel cannot execute 32-bit programs.
find_program(TAVRIN_WINE_LOADER wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH REQUIRED)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
