#pragma once

#include <string>
#include <string_view>

namespace verbalo::platform::win32 {

// UTF-8 (the portable code's strings) to and from UTF-16 (the wide Win32 calls) and the
// system's ANSI code page (the "A" calls).
std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);
std::string Utf8ToAnsi(std::string_view utf8);
std::string AnsiToUtf8(std::string_view ansi);

}  // namespace verbalo::platform::win32
