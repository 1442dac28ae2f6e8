# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (posix threads,
# which std::thread needs). Used for Qt itself (tools/build_qt_windows.sh) and
# for the program (the windows preset, ./dev windows).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QYAC_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QYAC_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QYAC_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${QYAC_MINGW}-windres)

# Libraries and headers of Windows only, never the host's; packages may come
# from the host too, since Qt's tools (moc, rcc) run here.
set(CMAKE_FIND_ROOT_PATH /usr/${QYAC_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
