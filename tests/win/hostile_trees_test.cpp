// The producer window's fallback search on real folder trees: the real window, file system and
// shell under Wine, and a stand-in tool. The trees are built by hostile_trees.sh; in each test
// one of them is the Program Files folder the system reports. In each tree: the tool placed
// there is found and started from the path found (handed to the shell, which cannot start a
// path of MAX_PATH or more); with no tool every folder is entered once and the not-found
// message shown once; the close box in the middle of the search closes the window, and the
// search goes no further.
// And with the Program Files folders the system reports, a tool planted in a folder that anyone
// may create, C:\Programmi, is never started.
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
    std::string toolFolder;  // where the tool is placed, below the tree's folder
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

class HostileTree : public ::testing::TestWithParam<Tree>,
                    protected test::ProducerWindowOn<Win32FileSystem, Win32Shell> {
  protected:
    void SetUp() override {
        programFolders_.folders = {TreeFolder()};
        ASSERT_NE(GetFileAttributesW(Utf8ToWide(TreeFolder()).c_str()), INVALID_FILE_ATTRIBUTES)
            << "the tree is not built";
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
    }

    static std::string TreeFolder() { return std::string("C:\\verbalo-trees\\") + GetParam().name; }
    std::string ToolPath() const {
        return TreeFolder() + "\\" + GetParam().toolFolder +
               (GetParam().toolFolder.ends_with('\\') ? "" : "\\") + "MSINFO32.EXE";
    }
    void PlaceTool() {
        tool_ = Utf8ToWide(ToolPath());
        ASSERT_TRUE(test::ToolStandIn::PlaceAt(tool_)) << ToolPath();
    }
    HWND SistemaButton() const {
        return GetDlgItem(GetDlgItem(producer_.hwnd(), IDC_PRODUCER_FRAME1),
                          IDC_PRODUCER_CMDINFOSYS);
    }

    ComApartment com_;
    test::ToolStandIn started_;
    int closeAt_ = 0;  // the pump call that closes the window; 0: none
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

INSTANTIATE_TEST_SUITE_P(Trees, HostileTree, ::testing::ValuesIn(Trees()),
                         [](const ::testing::TestParamInfo<Tree>& tree) {
                             return std::string(tree.param.name);
                         });

class PlantedTool
    : public ::testing::Test,
      protected test::ProducerWindowOn<Win32FileSystem, Win32Shell, Win32ProgramFolders> {
  protected:
    void TearDown() override {
        producer_.Unload();
        DeleteFileW(kTool);
        RemoveDirectoryW(L"C:\\Programmi\\Strumenti");
        DeleteFileW(L"C:\\Programmi\\verbalo-tree");  // hostile_trees.sh clears a leftover
        RemoveDirectoryW(L"C:\\Programmi");
    }
    static constexpr wchar_t kTool[] = L"C:\\Programmi\\Strumenti\\MSINFO32.EXE";
    ComApartment com_;
    test::ToolStandIn started_;
};

TEST_F(PlantedTool, UnderAFolderAnyoneMayCreateIsNeverStarted) {
    ASSERT_TRUE(CreateDirectoryW(L"C:\\Programmi", nullptr)) << "C:\\Programmi is there already";
    CloseHandle(CreateFileW(L"C:\\Programmi\\verbalo-tree", GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(CreateDirectoryW(L"C:\\Programmi\\Strumenti", nullptr));
    ASSERT_TRUE(test::ToolStandIn::PlaceAt(kTool));
    launcher_.startsTool = false;
    ASSERT_TRUE(producer_.Load());

    producer_.form().cmdInfoSys_Click();

    EXPECT_EQ(producer_.form().launchTarget(), "");
    EXPECT_TRUE(started_.Starts(1).empty());
}

}  // namespace
}  // namespace verbalo::platform::win32
