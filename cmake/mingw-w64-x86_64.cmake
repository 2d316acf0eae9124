# Cross-builds for 64-bit Windows with Debian's MinGW-w64 compilers, in their POSIX-threads
# flavour (Qt's threads need it). The programs it makes run here under Wine, which is how CTest
# runs the Windows tests.
#
# Qt for Windows is found at MIRTAVO_WINDOWS_QT (scripts/windows-qt builds it, with this file);
# its build tools (moc, rcc, uic) come from the host Qt of the same version, at QT_HOST_PATH.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET})
if(MIRTAVO_WINDOWS_QT)
    list(APPEND CMAKE_FIND_ROOT_PATH ${MIRTAVO_WINDOWS_QT})
    set(QT_HOST_PATH /usr CACHE PATH "Host Qt whose tools the cross build runs")
    set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "Its CMake packages")
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES MIRTAVO_WINDOWS_QT)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Wine's 64-bit loader runs the 64-bit programs directly; Debian's `wine` would start its 32-bit
# loader whenever Wine's 32-bit half is installed, and some machines cannot run 32-bit programs.
find_program(MIRTAVO_WINE NAMES wine64 wine PATHS /usr/lib/wine)
if(MIRTAVO_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${MIRTAVO_WINE})
endif()
