# SPDX-FileCopyrightText: 2026 The Zevodave developers
# SPDX-License-Identifier: MIT

# Cross-compiling for 64-bit Windows with Debian's mingw-w64, running the
# results under Wine:
#   cmake -S . -B build-windows -G Ninja \
#         -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DZEVODAVE_WITH_QT=OFF
#
# The posix thread-model compilers, because the win32 ones have no std::mutex
# and GoogleTest needs it. 64-bit only: Wine without its 32-bit half runs a
# 32-bit program as a silent success, so a test could never fail.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZEVODAVE_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZEVODAVE_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZEVODAVE_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${ZEVODAVE_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ZEVODAVE_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Static runtime libraries, so that an .exe runs without copying DLLs next to it.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Lets CTest (and GoogleTest's test discovery) run the .exe files.
find_program(ZEVODAVE_WINE wine REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${ZEVODAVE_WINE})
