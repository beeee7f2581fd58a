set(CMAKE_SYSTEM_PROCESSOR i686)
set(VERBALO_MINGW_TRIPLE i686-w64-mingw32)
set(VERBALO_WINE_LOADER /usr/bin/wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
