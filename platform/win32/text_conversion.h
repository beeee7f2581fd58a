#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace verbalo::platform::win32 {

// UTF-8 (the portable code's strings) to and from UTF-16 (the wide Win32 calls), converted as a
// control converts them (platform/utf16.h); and to and from the system's ANSI code page (the "A"
// calls).
std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);
// Exactly, or not at all: a character the ANSI code page lacks gives nothing, never a "best
// fit" look-alike that would name another key or another file ("ł" is not "l").
std::optional<std::string> Utf8ToAnsi(std::string_view utf8);
std::string AnsiToUtf8(std::string_view ansi);

}  // namespace verbalo::platform::win32
