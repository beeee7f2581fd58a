set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VERBALO_MINGW_TRIPLE x86_64-w64-mingw32)
# The 64-bit loader directly: the wine wrapper prefers the 32-bit loader when it is installed.
set(VERBALO_WINE_LOADER /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
