# Shared settings of the MinGW-w64 toolchains. VERBALO_MINGW_TRIPLE is set by the includer.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${VERBALO_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VERBALO_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VERBALO_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VERBALO_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# One self-contained executable: no libstdc++, libgcc or winpthread DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_CROSSCOMPILING_EMULATOR ${VERBALO_WINE_LOADER} CACHE STRING "Runs the Windows test executables")
