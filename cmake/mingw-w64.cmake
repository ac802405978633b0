# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-building the game for 64-bit Windows with Debian's MinGW-w64 compilers of the posix
# thread model (std::thread and std::mutex need it). The libraries built for Windows (wxWidgets,
# libpng, zlib) are looked for under TOBRIX_WINDOWS_LIBS, a list of install prefixes that
# `make windows` fills in; nothing of the machine's own libraries is ever taken.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOBRIX_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TOBRIX_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOBRIX_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TOBRIX_MINGW}-windres)

# The toolchain file is read again for each check of the compiler: the list must reach them.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TOBRIX_WINDOWS_LIBS)
set(CMAKE_FIND_ROOT_PATH /usr/${TOBRIX_MINGW} ${TOBRIX_WINDOWS_LIBS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The Windows programs the build makes run under Wine here.
find_program(TOBRIX_WINE wine)
if(TOBRIX_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${TOBRIX_WINE})
endif()
