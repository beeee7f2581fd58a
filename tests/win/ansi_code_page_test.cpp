// The "A" calls take the system's ANSI code page: what it cannot name exactly must not become a
// look-alike that names another key or file. The shell takes no "A" call: it gets a path as it
// is, whatever the code page lacks.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/win32/com_apartment.h"
#include "platform/win32/shell_win32.h"
#include "platform/win32/text_conversion.h"
#include "tool_stand_in.h"

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

// Two folders in the temporary folder, "Wrocław" and its look-alike "Wroclaw", removed with the
// tools placed in them.
class LookAlikeFolders {
  public:
    LookAlikeFolders() {
        std::wstring temp(MAX_PATH + 1, L'\0');
        temp.resize(GetTempPathW(static_cast<DWORD>(temp.size()), temp.data()));
        root_ = temp + L"verbalo-acp-" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(root_.c_str(), nullptr);
        for (const std::wstring& folder : {Exact(), LookAlike()}) {
            CreateDirectoryW(folder.c_str(), nullptr);
        }
    }
    ~LookAlikeFolders() {
        for (const std::wstring& folder : {Exact(), LookAlike()}) {
            DeleteFileW((folder + L"\\MSINFO32.EXE").c_str());
            RemoveDirectoryW(folder.c_str());
        }
        RemoveDirectoryW(root_.c_str());
    }
    LookAlikeFolders(const LookAlikeFolders&) = delete;
    LookAlikeFolders& operator=(const LookAlikeFolders&) = delete;

    std::wstring Exact() const { return root_ + L"\\Wroc\u0142aw"; }
    std::wstring LookAlike() const { return root_ + L"\\Wroclaw"; }

  private:
    std::wstring root_;
};

TEST(AnsiCodePage, TheShellStartsAPathTheCodePageLacksAsItIsAndNeverALookAlike) {
    const ComApartment com;
    const test::ToolStandIn started;
    const LookAlikeFolders folders;
    Win32Shell shell;
    const std::string tool = WideToUtf8(folders.Exact() + L"\\MSINFO32.EXE");

    ASSERT_TRUE(test::ToolStandIn::PlaceAt(folders.LookAlike() + L"\\MSINFO32.EXE"));
    EXPECT_LE(shell.Execute(0, tool, "c:\\", Shell::kShowNormal), Shell::kLastError)
        << "only the look-alike is there";

    ASSERT_TRUE(test::ToolStandIn::PlaceAt(folders.Exact() + L"\\MSINFO32.EXE"));
    EXPECT_GT(shell.Execute(0, tool, "c:\\", Shell::kShowNormal), Shell::kLastError);
    EXPECT_EQ(started.Starts(1), std::vector<std::string>{tool});
}

}  // namespace
}  // namespace verbalo::platform::win32
