# Cross-building for 64-bit Windows with Debian's mingw-w64 (the POSIX-threads
# variant, which has std::thread and std::mutex). Test programs run under wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# The programs link the compiler's shared C++ runtime, as the Qt built for
# them does (scripts/build-qt-windows): one runtime in a process. Its DLLs
# are copied beside the executables (cmake/WindowsRuntime.cmake). Qt is
# found through CMAKE_PREFIX_PATH; packages must not be confined to the
# root path, or Qt's own would not be found.
find_program(CORVIX_WINE NAMES wine wine64)
if(CORVIX_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CORVIX_WINE})
endif()
