#pragma once

namespace verbalo::platform::win32 {

// Restricts where any later load of a DLL may look to System32: the program's own folder (a
// download folder, where anyone's version.dll may lie), the current folder and PATH are never
// searched. The first thing each program does.
//  - SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32), looked up at run time: Windows 7
//    has it only with the update KB2533623.
//  - SetDllDirectoryW(L""): takes the current folder out of the search where the first is
//    missing.
// Returns whether SetDefaultDllDirectories was there and took effect.
bool RestrictDllSearchToSystem32();

}  // namespace verbalo::platform::win32
