#pragma once

#include <string>

namespace verbalo::platform::win32 {

// A path as the wide file calls take it at any length. Below MAX_PATH characters it is returned
// as it is; a longer one is made full, as the system makes a path it is given (the current
// folder, "." and "..", "/" and a name's trailing dots and blanks), and gets the extended-length
// prefix that lifts the limit: "\\?\C:\..." or, for a network path, "\\?\UNC\server\...".
std::wstring ExtendedLengthPath(const std::wstring& path);

// The full path that the system makes of `path` (GetFullPathNameW), or `path` itself when it
// cannot make one.
std::wstring FullPath(const std::wstring& path);

}  // namespace verbalo::platform::win32
