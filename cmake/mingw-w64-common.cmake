# Shared by the 32- and 64-bit cross builds with Debian's mingw-w64. The
# including toolchain file sets TOOLCHAIN_PREFIX, CMAKE_SYSTEM_PROCESSOR and
# TAVRIN_WINE_LOADER first.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${TOOLCHAIN_PREFIX}-gcc)
set(CMAKE_CXX_COMPILER ${TOOLCHAIN_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TOOLCHAIN_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TOOLCHAIN_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# The program must run on a bare Windows: no MinGW runtime DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Windows programs built here run under Wine; scripts/wine-env.sh sets the
# prefix that matches the build.
set(CMAKE_CROSSCOMPILING_EMULATOR ${TAVRIN_WINE_LOADER})
