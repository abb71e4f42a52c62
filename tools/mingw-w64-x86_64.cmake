# SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
# SPDX-License-Identifier: GPL-3.0-or-later

# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (posix threads).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ziel x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ziel}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ziel}-g++-posix)
set(CMAKE_RC_COMPILER ${ziel}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ziel})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every program one file, the C, C++ and thread runtimes linked in: it needs
# nothing beside it but Windows.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
