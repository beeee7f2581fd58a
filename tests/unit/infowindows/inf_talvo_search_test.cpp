#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "info_window_doubles.h"
#include "infowindows/inf_talvo.h"
#include "platform/fakes/fake_dialogs.h"
#include "platform/fakes/fake_file_system.h"
#include "platform/fakes/fake_message_pump.h"
#include "platform/fakes/fake_registry.h"
#include "platform/fakes/fake_shell.h"

namespace verbalo {
namespace {

using info_test::FakeInfTalvoWindow;
using info_test::FakeLauncher;

constexpr std::string_view kNotFound = "MSINFO32.EXE  NON TROVATO";

class SystemInfoSearch : public ::testing::Test, protected info_test::InfTalvoDoubles {
  protected:
    // The window, with dirHidden starting at startFolder; created after the tree is built.
    InfTalvo& Window(std::string startFolder = "C:\\Verbalo") {
        talvo = std::make_unique<InfTalvo>(window, Services(), std::move(startFolder));
        return *talvo;
    }
    // The folders the search visited, in order: each visit looks for the tool first.
    std::vector<std::string> Visited() const {
        std::vector<std::string> folders;
        for (const std::string& lookup : files.fileLookups) {
            folders.push_back(lookup.substr(0, lookup.size() - 12));
        }
        return folders;
    }
    std::vector<platform::FakeShell::Call> Started(std::string file) const {
        return {{FakeInfTalvoWindow::kHandle, std::move(file), "c:\\", 1}};
    }
    void ExpectOneNotFoundMessage() const {
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].text, kNotFound);
        EXPECT_EQ(dialogs.shown[0].icon, platform::Dialogs::Icon::None);
        EXPECT_TRUE(shell.calls.empty());
    }

    std::unique_ptr<InfTalvo> talvo;
};

TEST_F(SystemInfoSearch, ClearsTheFlagAndSearchesNothingWhenTheLauncherStartsTheTool) {
    files.AddFile("C:\\Programmi\\MSINFO32.EXE");
    systemInfoNotFound = 1;
    launcher.startsTool = true;

    Window().cmdInfoSys_Click();

    EXPECT_EQ(launcher.flagOnCall, std::vector<std::int16_t>{0});
    EXPECT_TRUE(files.fileLookups.empty());
    EXPECT_TRUE(shell.calls.empty());
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(talvo->dirHidden().Path(), "C:\\Verbalo");
}

TEST_F(SystemInfoSearch, SearchesTheReportedProgramFilesFoldersInTheirOrderEachOnceFullPathsOnly) {
    roots.reported = {"C:\\PF",      "Programmi",    "c:\\pf\\", "",
                      "C:\\PF\\A\\", "C:\\PF (x86)", "D:\\App"};
    files.AddFolder("C:\\PF\\A");
    files.AddFolder("C:\\PF (x86)");
    files.AddFile("Programmi\\MSINFO32.EXE");  // below wherever the program runs
    files.AddFile("D:\\App\\MSINFO32.EXE");
    Window().cmdInfoSys_Click();
    EXPECT_EQ(Visited(),
              (std::vector<std::string>{"C:\\PF\\", "C:\\PF\\A\\", "C:\\PF (x86)\\", "D:\\App\\"}));
    EXPECT_EQ(shell.calls, Started("D:\\App\\MSINFO32.EXE"));
}

TEST_F(SystemInfoSearch, AToolDirectlyInProgrammiIsStartedWithoutEnteringASubfolder) {
    files.AddFolder("C:\\Programmi\\Uno");
    files.AddFile("C:\\Programmi\\MSINFO32.EXE");

    Window().cmdInfoSys_Click();

    EXPECT_EQ(shell.calls, Started("C:\\Programmi\\MSINFO32.EXE"));
    EXPECT_EQ(Visited(), std::vector<std::string>{"C:\\Programmi\\"});
    EXPECT_EQ(pump.calls, 0);
    EXPECT_EQ(talvo->dirHidden().Path(), "C:\\Programmi");
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(systemInfoNotFound, 1);  // the window never clears it after the launcher
}

TEST_F(SystemInfoSearch, WithNoToolAnywhereVisitsDepthFirstInListOrderThenSaysSoOnce) {
    files.AddFolder("C:\\Programmi\\Beta\\B1");
    files.AddFolder("C:\\Programmi\\Beta\\B2\\B21");
    files.AddFolder("C:\\Programmi\\Alfa");
    files.AddFolder("C:\\Programmi\\Beta\\B0");

    Window().cmdInfoSys_Click();

    EXPECT_EQ(Visited(),
              (std::vector<std::string>{"C:\\Programmi\\", "C:\\Programmi\\Beta\\",
                                        "C:\\Programmi\\Beta\\B1\\", "C:\\Programmi\\Beta\\B2\\",
                                        "C:\\Programmi\\Beta\\B2\\B21\\",
                                        "C:\\Programmi\\Beta\\B0\\", "C:\\Programmi\\Alfa\\"}));
    EXPECT_EQ(pump.calls, 6);  // once after each subfolder entered
    ExpectOneNotFoundMessage();
    EXPECT_EQ(talvo->dirHidden().Path(), "C:\\Programmi\\Alfa");
    EXPECT_EQ(talvo->launchTarget(), "");
}

TEST_F(SystemInfoSearch, TheFirstToolReachedWinsAndTheLevelsAboveStillStepThroughTheirRest) {
    files.AddFolder("C:\\Programmi\\A\\A1");
    files.AddFile("C:\\Programmi\\A\\A2\\MSINFO32.EXE");
    files.AddFolder("C:\\Programmi\\A\\A3");
    files.AddFile("C:\\Programmi\\B\\MSINFO32.EXE");

    Window().cmdInfoSys_Click();

    EXPECT_EQ(shell.calls, Started("C:\\Programmi\\A\\A2\\MSINFO32.EXE"));
    EXPECT_EQ(Visited(),
              (std::vector<std::string>{"C:\\Programmi\\", "C:\\Programmi\\A\\",
                                        "C:\\Programmi\\A\\A1\\", "C:\\Programmi\\A\\A2\\"}));
    EXPECT_EQ(pump.calls, 5);  // after A1, A2, A3, A and B
    EXPECT_EQ(talvo->dirHidden().Path(), "C:\\Programmi\\B");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(SystemInfoSearch, RunsAlsoWhenDirHiddenAlreadyShowsProgrammiAndReadsItAgain) {
    files.AddFolder("C:\\Programmi");
    InfTalvo& talvoWindow = Window("C:\\Programmi");
    files.AddFile("C:\\Programmi\\Nuovo\\MSINFO32.EXE");  // appeared after the list was read

    talvoWindow.cmdInfoSys_Click();

    EXPECT_EQ(shell.calls, Started("C:\\Programmi\\Nuovo\\MSINFO32.EXE"));
}

TEST_F(SystemInfoSearch, AStartFolderDifferingOnlyInCaseIsSetAgainAndSearched) {
    files.AddFile("C:\\Programmi\\X\\MSINFO32.EXE");

    Window("c:\\programmi").cmdInfoSys_Click();

    EXPECT_EQ(shell.calls, Started("C:\\Programmi\\X\\MSINFO32.EXE"));
}

TEST_F(SystemInfoSearch, ARootGetsNoSecondBackslash) {
    files.AddFolder("D:\\Sotto");
    InfTalvo& talvoWindow = Window("D:\\");

    talvoWindow.dirHidden_Change();

    EXPECT_EQ(files.fileLookups,
              (std::vector<std::string>{"D:\\MSINFO32.EXE", "D:\\Sotto\\MSINFO32.EXE"}));
}

TEST_F(SystemInfoSearch, AVisitReturnsAtOnceWhenSomethingWasAlreadyHandedToTheShell) {
    files.AddFile("C:\\Verbalo\\MSINFO32.EXE");
    InfTalvo& talvoWindow = Window();
    talvoWindow.lbSito_MouseDown(1, 0, 0.0f, 0.0f);

    talvoWindow.dirHidden_Change();

    EXPECT_TRUE(files.fileLookups.empty());
}

TEST_F(SystemInfoSearch, AMissingProgrammiFolderEndsInTheMessage) {
    files.AddFolder("C:\\Verbalo");

    Window().cmdInfoSys_Click();

    ExpectOneNotFoundMessage();
    EXPECT_EQ(talvo->dirHidden().Path(), "C:\\Verbalo");
}

TEST_F(SystemInfoSearch, AFolderThatCannotBeListedIsPassedOver) {
    files.MakeUnlistable("C:\\Programmi\\Chiuso");
    files.AddFile("C:\\Programmi\\Chiuso\\Dentro\\MSINFO32.EXE");
    files.AddFile("C:\\Programmi\\Aperto\\MSINFO32.EXE");

    Window().cmdInfoSys_Click();

    EXPECT_EQ(shell.calls, Started("C:\\Programmi\\Aperto\\MSINFO32.EXE"));
}

TEST_F(SystemInfoSearch, ALinkIsNeverEnteredSoALoopEnds) {
    files.AddFolder("C:\\Programmi\\A");
    files.AddLink("C:\\Programmi\\A\\Ciclo", "C:\\Programmi");
    files.AddLink("C:\\Programmi\\Altrove", "D:\\Strumenti");
    files.AddFile("D:\\Strumenti\\MSINFO32.EXE");

    Window().cmdInfoSys_Click();

    EXPECT_EQ(Visited(), (std::vector<std::string>{"C:\\Programmi\\", "C:\\Programmi\\A\\"}));
    ExpectOneNotFoundMessage();
}

TEST_F(SystemInfoSearch, ALoopTheFileSystemDoesNotReportAsALinkStillEnds) {
    files.AddLink("C:\\Programmi\\A\\Ciclo", "C:\\Programmi", /*reportedAsLink=*/false);

    Window().cmdInfoSys_Click();

    ExpectOneNotFoundMessage();
    EXPECT_LE(files.listings.size(), static_cast<std::size_t>(InfTalvo::kMaxSearchDepth) + 1);
}

// A file system that lists a folder's ancestor among its subfolders, under its own name.
class AncestorListingFileSystem : public platform::FakeFileSystem {
  public:
    std::optional<std::vector<Folder>> Subfolders(std::string_view path) override {
        auto subfolders = FakeFileSystem::Subfolders(path);
        if (subfolders && path == "C:\\Programmi\\A") {
            subfolders->push_back({"c:\\PROGRAMMI", false});
        }
        return subfolders;
    }
};

TEST(SystemInfoSearchGuard, AFolderIsNeverVisitedTwice) {
    AncestorListingFileSystem files;
    files.AddFolder("C:\\Programmi\\A");
    files.AddFolder("C:\\Programmi\\B");
    FakeInfTalvoWindow window;
    platform::FakeShell shell;
    platform::FakeDialogs dialogs;
    platform::FakeMessagePump pump;
    std::int16_t systemInfoNotFound = 0;
    FakeLauncher launcher{systemInfoNotFound};
    platform::FakeProgramFolders roots;
    InfTalvo talvo(window, {files, roots, shell, dialogs, pump, launcher, systemInfoNotFound},
                   "C:\\");

    talvo.cmdInfoSys_Click();

    EXPECT_EQ(files.fileLookups, (std::vector<std::string>{"C:\\Programmi\\MSINFO32.EXE",
                                                           "C:\\Programmi\\A\\MSINFO32.EXE",
                                                           "C:\\Programmi\\B\\MSINFO32.EXE"}));
    EXPECT_EQ(dialogs.shown.size(), 1u);
}

TEST_F(SystemInfoSearch, FortyThousandSubfoldersAreAllSearched) {
    constexpr int kCount = 40000;
    for (int i = 0; i < kCount; ++i) {
        files.AddFolder("C:\\Programmi\\D" + std::to_string(i));
    }
    files.AddFile("C:\\Programmi\\D39999\\MSINFO32.EXE");

    Window().cmdInfoSys_Click();

    EXPECT_EQ(shell.calls, Started("C:\\Programmi\\D39999\\MSINFO32.EXE"));
    EXPECT_EQ(pump.calls, kCount);
}

TEST_F(SystemInfoSearch, AToolThreeHundredLevelsDownIsFound) {
    std::string folder = "C:\\Programmi";
    for (int level = 0; level < 300; ++level) {
        folder += "\\d";
    }
    files.AddFile(folder + "\\MSINFO32.EXE");

    Window().cmdInfoSys_Click();

    EXPECT_EQ(shell.calls, Started(folder + "\\MSINFO32.EXE"));
}

TEST_F(SystemInfoSearch, ASecondPressDuringTheSearchIsIgnored) {
    files.AddFolder("C:\\Programmi\\A");
    files.AddFolder("C:\\Programmi\\B");
    InfTalvo& talvoWindow = Window();
    pump.onPump = [&] { talvoWindow.cmdInfoSys_Click(); };

    talvoWindow.cmdInfoSys_Click();

    EXPECT_EQ(launcher.calls, 1);
    ExpectOneNotFoundMessage();
}

TEST_F(SystemInfoSearch, LinkPressesDuringTheSearchAreIgnored) {
    files.AddFolder("C:\\Programmi\\A");
    files.AddFile("C:\\Programmi\\B\\MSINFO32.EXE");
    InfTalvo& talvoWindow = Window();
    pump.onPump = [&] { talvoWindow.lbMail_MouseDown(1, 0, 10.0f, 10.0f); };

    talvoWindow.cmdInfoSys_Click();

    EXPECT_EQ(shell.calls, Started("C:\\Programmi\\B\\MSINFO32.EXE"));
}

class CloseDuringSearch : public SystemInfoSearch, public ::testing::WithParamInterface<bool> {};

TEST_P(CloseDuringSearch, StopsAtOnceAndStartsOrShowsNothing) {
    const bool byOkButton = GetParam();
    files.AddFolder("C:\\Programmi\\A\\A1");
    files.AddFolder("C:\\Programmi\\A\\A2");
    files.AddFile("C:\\Programmi\\B\\MSINFO32.EXE");
    InfTalvo& talvoWindow = Window();
    pump.onPump = [&] {
        if (pump.calls == 1) {
            if (byOkButton) {
                talvoWindow.Command1_Click();
            } else {
                talvoWindow.Form_Unload();  // the close box
            }
        }
    };

    talvoWindow.cmdInfoSys_Click();

    EXPECT_EQ(pump.calls, 1);
    EXPECT_TRUE(shell.calls.empty());
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_FALSE(talvoWindow.SearchUnderWay());
    EXPECT_EQ(window.unloads, byOkButton ? 1 : 0);

    // Loaded again later, the window searches afresh.
    pump.onPump = nullptr;
    talvoWindow.Form_Load();
    talvoWindow.cmdInfoSys_Click();
    EXPECT_EQ(shell.calls, Started("C:\\Programmi\\B\\MSINFO32.EXE"));
}

INSTANTIATE_TEST_SUITE_P(OkOrCloseBox, CloseDuringSearch, ::testing::Bool());

TEST_F(SystemInfoSearch, WithTheRealLauncherARegisteredToolIsStartedAndNoFolderSearched) {
    platform::FakeRegistry registry;
    registry.SetString(platform::Registry::kLocalMachine,
                       "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", "C:\\T\\msinfo32.exe");
    info_test::FakeProducerWindow producerWindow;
    RegistrySystemInfoLauncher realLauncher({registry, files, shell}, producerWindow.Owner(),
                                            systemInfoNotFound);
    files.AddFile("C:\\Programmi\\MSINFO32.EXE");
    InfTalvo talvoWindow(
        window, {files, roots, shell, dialogs, pump, realLauncher, systemInfoNotFound}, "C:\\");

    talvoWindow.cmdInfoSys_Click();
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].file, "C:\\T\\msinfo32.exe");
    EXPECT_TRUE(files.listings.empty());  // no folder listed

    shell.result = 2;  // the registered file cannot be started: the window searches instead
    talvoWindow.cmdInfoSys_Click();
    ASSERT_EQ(shell.calls.size(), 3u);
    EXPECT_EQ(shell.calls[2].file, "C:\\Programmi\\MSINFO32.EXE");
}

}  // namespace
}  // namespace verbalo
