// The "A" calls take the system's ANSI code page: what it cannot name exactly must not become a
// look-alike that names another key or file.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/win32/shell_win32.h"
#include "platform/win32/text_conversion.h"

namespace verbalo::platform::win32 {
namespace {

TEST(AnsiCodePage, ConvertsExactlyOrNotAtAll) {
    if (GetACP() == CP_UTF8) {
        GTEST_SKIP() << "the ANSI code page is UTF-8: every text converts";
    }
    EXPECT_EQ(Utf8ToAnsi("C:\\Programmi\\MSINFO32.EXE"),
              std::optional<std::string>("C:\\Programmi\\MSINFO32.EXE"));
    EXPECT_EQ(Utf8ToAnsi(""), std::optional<std::string>(""));
    for (const char* lacking : {"C:\\Wroc\xC5\x82"
                                "aw",
                                "C:\\\xE6\xBC\xA2\\x"}) {  // "ł", "漢"
        EXPECT_EQ(Utf8ToAnsi(lacking), std::nullopt) << lacking;
    }
}

TEST(AnsiCodePage, TheShellIsNeverHandedALookAlikeOfAPath) {
    if (GetACP() == CP_UTF8) {
        GTEST_SKIP() << "the ANSI code page is UTF-8: every path converts";
    }
    Win32Shell shell;
    EXPECT_LE(shell.Execute(0,
                            "C:\\Wroc\xC5\x82"
                            "aw\\MSINFO32.EXE",
                            "c:\\", Shell::kShowNormal),
              Shell::kLastError);
}

}  // namespace
}  // namespace verbalo::platform::win32
