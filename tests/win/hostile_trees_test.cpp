// The producer window's fallback search on real folder trees: the real window, file system and
// shell under Wine, and a stand-in tool. The trees are built by hostile_trees.sh; each test
// moves one to C:\Programmi. In each tree: the tool placed there is found and started from the
// path found (handed to the shell, which cannot start a path of MAX_PATH or more); with no tool
// every folder is entered once and the not-found message shown once; the close box in the
// middle of the search closes the window, and the search goes no further.
// Searching the Program Files folders the system reports instead, the tool is never started.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "info_window_support.h"
#include "platform/fakes/fake_dialogs.h"
#include "platform/fakes/fake_message_pump.h"
#include "platform/win32/com_apartment.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/long_path.h"
#include "platform/win32/message_pump_win32.h"
#include "platform/win32/program_folders_win32.h"
#include "platform/win32/shell_win32.h"
#include "platform/win32/text_conversion.h"
#include "resources/resource_ids.h"
#include "tool_stand_in.h"
#include "ui/win32/producer_window.h"

namespace verbalo::platform::win32 {

using namespace ::verbalo::ui::win32;  // the window adapters under test
namespace {

struct Tree {
    const char* name;        // C:\verbalo-trees\NAME
    std::string toolFolder;  // where the tool is placed, below C:\Programmi
    int folders;             // the subfolders the search enters when the tool is nowhere
};

void PrintTo(const Tree& tree, std::ostream* out) {
    *out << tree.name;
}

std::string Repeat(std::string_view text, int times) {
    std::string repeated;
    for (int i = 0; i < times; ++i) {
        repeated += text;
    }
    return repeated;
}

// The shapes of hostile_trees.sh.
std::vector<Tree> Trees() {
    const std::string level = Repeat("lungo", 16) + "\\";
    return {
        {"deep", Repeat("d\\", 300), 300},
        {"wide", "D4999", 5000},
        {"names", "Citt\xC3\xA0\\\xE6\x97\xA5\xE6\x9C\xAC", 3},  // "Città\日本"
        {"long", Repeat(level, 4), 4},
        {"unlistable", "Aperto", 2},  // "Chiuso." is tried and cannot be listed
        {"loop", "A\\B", 2},          // no link is entered
    };
}

constexpr wchar_t kProgrammi[] = L"C:\\Programmi";

class HostileTree : public ::testing::TestWithParam<Tree>,
                    protected test::ProducerWindowOn<Win32FileSystem, Win32Shell> {
  protected:
    void SetUp() override {
        const std::wstring tree = L"C:\\verbalo-trees\\" + Utf8ToWide(GetParam().name);
        ASSERT_TRUE(MoveFileW(tree.c_str(), kProgrammi))
            << "the tree is not built, or C:\\Programmi is there already: " << GetLastError();
        moved_ = tree;
        launcher_.startsTool = false;
        // A search that enters more folders than the tree has is stopped, so that the test
        // ends and fails.
        pump_.onPump = [this] {
            if (pump_.calls == closeAt_ || pump_.calls > GetParam().folders) {
                PostMessageW(producer_.hwnd(), WM_CLOSE, 0, 0);
            }
            Win32MessagePump().ProcessPendingMessages();
        };
        ASSERT_TRUE(producer_.Load());
    }
    void TearDown() override {
        producer_.form().Form_Unload();
        producer_.Unload();
        if (!tool_.empty()) {
            DeleteFileW(ExtendedLengthPath(tool_).c_str());
        }
        if (!moved_.empty()) {
            MoveFileW(kProgrammi, moved_.c_str());
        }
    }

    std::string ToolPath() const {
        return "C:\\Programmi\\" + GetParam().toolFolder +
               (GetParam().toolFolder.ends_with('\\') ? "" : "\\") + "MSINFO32.EXE";
    }
    void PlaceTool() {
        tool_ = Utf8ToWide(ToolPath());
        ASSERT_TRUE(test::ToolStandIn::PlaceAt(tool_)) << ToolPath();
    }
    HWND SistemaButton() const { return GetDlgItem(producer_.hwnd(), IDC_PRODUCER_CMDINFOSYS); }

    ComApartment com_;
    test::ToolStandIn started_;
    int closeAt_ = 0;  // the pump call that closes the window; 0: none
    std::wstring moved_;
    std::wstring tool_;
};

TEST_P(HostileTree, TheToolIsFoundAndStartedFromThePathFound) {
    PlaceTool();
    SendMessageW(SistemaButton(), BM_CLICK, 0, 0);

    const std::string tool = ToolPath();
    EXPECT_EQ(producer_.form().launchTarget(), tool) << "what the shell was handed";
    EXPECT_TRUE(dialogs_.shown.empty());
    if (Utf8ToWide(tool).size() < MAX_PATH) {  // the shell starts no longer path
        EXPECT_EQ(started_.Starts(1), std::vector<std::string>{tool});
    }
}

TEST_P(HostileTree, WithoutTheToolEveryFolderIsEnteredOnceAndOneMessageSaysSo) {
    SendMessageW(SistemaButton(), BM_CLICK, 0, 0);

    EXPECT_EQ(pump_.calls, GetParam().folders);
    ASSERT_EQ(dialogs_.shown.size(), 1u);
    EXPECT_EQ(dialogs_.shown[0].text, "MSINFO32.EXE  NON TROVATO");
    EXPECT_TRUE(producer_.IsLoaded());
    EXPECT_TRUE(started_.Starts().empty());
}

TEST_P(HostileTree, TheCloseBoxHalfWayClosesTheWindowAndTheSearchGoesNoFurther) {
    closeAt_ = std::max(1, GetParam().folders / 2);
    // Should the search end before, its message closes the window, so that the test ends.
    dialogs_.whileShown = [this] { PostMessageW(producer_.hwnd(), WM_CLOSE, 0, 0); };
    PostMessageW(producer_.hwnd(), WM_COMMAND, MAKEWPARAM(IDC_PRODUCER_CMDINFOSYS, BN_CLICKED),
                 reinterpret_cast<LPARAM>(SistemaButton()));

    producer_.ShowModal();

    EXPECT_FALSE(producer_.IsLoaded());
    EXPECT_EQ(pump_.calls, closeAt_) << "messages processed after the close";
    EXPECT_FALSE(producer_.form().SearchUnderWay());
    EXPECT_TRUE(dialogs_.shown.empty());
    EXPECT_TRUE(started_.Starts().empty());
}

TEST_P(HostileTree, AToolPlantedInAFolderAnyoneMayCreateIsNeverStarted) {
    PlaceTool();
    folders_.reported = Win32ProgramFolders().ProgramFilesFolders();
    pump_.onPump = nullptr;
    SendMessageW(SistemaButton(), BM_CLICK, 0, 0);
    EXPECT_EQ(producer_.form().launchTarget(), "");
    EXPECT_TRUE(started_.Starts().empty());
}

INSTANTIATE_TEST_SUITE_P(Trees, HostileTree, ::testing::ValuesIn(Trees()),
                         [](const ::testing::TestParamInfo<Tree>& tree) {
                             return std::string(tree.param.name);
                         });

}  // namespace
}  // namespace verbalo::platform::win32
