#include "infowindows/system_info_launcher.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "info_window_doubles.h"
#include "platform/fakes/fake_file_system.h"
#include "platform/fakes/fake_registry.h"
#include "platform/fakes/fake_shell.h"

namespace verbalo {
namespace {

using info_test::FakeProducerWindow;
using platform::FakeFileSystem;
using platform::FakeRegistry;
using platform::FakeShell;
using platform::Registry;

constexpr Registry::Key kHklm = Registry::kLocalMachine;
constexpr std::string_view kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr std::string_view kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

class LaunchSystemInfoTest : public ::testing::Test {
  protected:
    void Launch() { launcher.LaunchSystemInfo(); }
    FakeShell::Call StartOf(std::string file) const {
        return {FakeProducerWindow::kHandle, std::move(file), "c:\\", 1};
    }

    FakeRegistry registry;
    FakeFileSystem files;
    FakeShell shell;
    FakeProducerWindow producerWindow;
    std::int16_t systemInfoNotFound = 0;
    RegistrySystemInfoLauncher launcher{
        {registry, files, shell}, producerWindow.Owner(), systemInfoNotFound};
};

TEST_F(LaunchSystemInfoTest, StartsThePathValueAsItIsWithoutLookingForTheFile) {
    registry.SetString(kHklm, kToolKey, "PATH", "C:\\Strumenti\\msinfo32.exe");
    registry.SetString(kHklm, kFolderKey, "MSINFO", "C:\\Altrove");

    Launch();

    EXPECT_EQ(shell.calls, std::vector{StartOf("C:\\Strumenti\\msinfo32.exe")});
    EXPECT_TRUE(files.fileLookups.empty());
    EXPECT_EQ(producerWindow.handleRequests, 1);
    EXPECT_EQ(systemInfoNotFound, 0);
    EXPECT_TRUE(registry.openKeys.empty());
    EXPECT_EQ(registry.requestedAccess, std::vector<std::uint32_t>{0x0001});
}

TEST_F(LaunchSystemInfoTest, WithoutPathStartsTheToolInTheRegisteredFolder) {
    registry.SetString(kHklm, kFolderKey, "MSINFO", "C:\\Strumenti");
    files.AddFile("C:\\Strumenti\\MSINFO32.EXE");

    Launch();

    EXPECT_EQ(files.fileLookups, std::vector<std::string>{"C:\\Strumenti\\MSINFO32.EXE"});
    EXPECT_EQ(shell.calls, std::vector{StartOf("C:\\Strumenti\\MSINFO32.EXE")});
    EXPECT_EQ(systemInfoNotFound, 0);
    EXPECT_TRUE(registry.openKeys.empty());
}

TEST_F(LaunchSystemInfoTest, AFolderEndingInABackslashIsJoinedAsItIs) {
    registry.SetString(kHklm, kFolderKey, "MSINFO", "C:\\Strumenti\\");
    files.AddFile("C:\\Strumenti\\MSINFO32.EXE");

    Launch();

    EXPECT_EQ(shell.calls, std::vector{StartOf("C:\\Strumenti\\\\MSINFO32.EXE")});
}

struct Failure {
    std::string_view what;
    std::function<void(FakeRegistry&, FakeFileSystem&, FakeShell&, FakeProducerWindow&)> arrange;
};

void PrintTo(const Failure& failure, std::ostream* out) {
    *out << failure.what;
}

class LaunchFails : public LaunchSystemInfoTest, public ::testing::WithParamInterface<Failure> {};

TEST_P(LaunchFails, SetsTheFlagToOneAndNothingReachesTheCaller) {
    GetParam().arrange(registry, files, shell, producerWindow);

    Launch();

    EXPECT_EQ(systemInfoNotFound, 1);
    EXPECT_TRUE(registry.openKeys.empty());
}

INSTANTIATE_TEST_SUITE_P(
    EveryFailurePath, LaunchFails,
    ::testing::Values(
        Failure{"no value at all", [](auto&, auto&, auto&, auto&) {}},
        Failure{"folder registered, tool absent",
                [](FakeRegistry& r, auto&, auto&, auto&) {
                    r.SetString(kHklm, kFolderKey, "MSINFO", "C:\\Strumenti");
                }},
        Failure{"a folder, not a file, of the tool's name",
                [](FakeRegistry& r, FakeFileSystem& f, auto&, auto&) {
                    r.SetString(kHklm, kFolderKey, "MSINFO", "C:\\Strumenti");
                    f.AddFolder("C:\\Strumenti\\MSINFO32.EXE");
                }},
        Failure{"PATH with no data",
                [](FakeRegistry& r, auto&, auto&, auto&) {
                    r.SetValue(kHklm, kToolKey, "PATH", Registry::kTypeString, {});
                }},
        Failure{"MSINFO with no data",
                [](FakeRegistry& r, FakeFileSystem& f, auto&, auto&) {
                    r.SetValue(kHklm, kFolderKey, "MSINFO", Registry::kTypeString, {});
                    f.AddFile("\\MSINFO32.EXE");
                }},
        Failure{"PATH as expandable text: nothing to start",
                [](FakeRegistry& r, auto&, auto&, auto&) {
                    r.SetValue(kHklm, kToolKey, "PATH", Registry::kTypeExpandString, {'x', '\0'});
                }},
        Failure{"the shell cannot start the file",
                [](FakeRegistry& r, auto&, FakeShell& s, auto&) {
                    r.SetString(kHklm, kToolKey, "PATH", "C:\\nessuno.exe");
                    s.result = 2;  // ERROR_FILE_NOT_FOUND
                }},
        Failure{"the shell answers 32",
                [](FakeRegistry& r, auto&, FakeShell& s, auto&) {
                    r.SetString(kHklm, kToolKey, "PATH", "C:\\x.exe");
                    s.result = 32;
                }},
        Failure{"the registry fails inside",
                [](FakeRegistry& r, auto&, auto&, auto&) {
                    r.onOpen = [] { throw std::bad_alloc(); };
                }},
        Failure{"the producer window cannot be loaded",
                [](FakeRegistry& r, auto&, auto&, FakeProducerWindow& w) {
                    r.SetString(kHklm, kToolKey, "PATH", "C:\\x.exe");
                    w.failsToLoad = true;
                }},
        Failure{"the shell fails inside", [](FakeRegistry& r, auto&, FakeShell& s, auto&) {
                    r.SetString(kHklm, kToolKey, "PATH", "C:\\x.exe");
                    s.onExecute = [] { throw std::runtime_error("shell"); };
                }}));

TEST_F(LaunchSystemInfoTest, NothingIsStartedWhenTheToolIsNotLocated) {
    registry.SetString(kHklm, kFolderKey, "MSINFO", "C:\\Strumenti");

    Launch();

    EXPECT_TRUE(shell.calls.empty());
    EXPECT_EQ(producerWindow.handleRequests, 0);
}

TEST_F(LaunchSystemInfoTest, ADwordPathIsHandedToTheShellAsRendered) {
    registry.SetDword(kHklm, kToolKey, "PATH", 0x105);
    shell.result = 2;

    Launch();

    EXPECT_EQ(shell.calls, std::vector{StartOf("&h015")});
    EXPECT_EQ(systemInfoNotFound, 1);
}

TEST_F(LaunchSystemInfoTest, NeverClearsTheFlag) {
    Launch();
    Launch();
    EXPECT_EQ(systemInfoNotFound, 1);

    registry.SetString(kHklm, kToolKey, "PATH", "C:\\x.exe");
    Launch();

    EXPECT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(systemInfoNotFound, 1);
}

}  // namespace
}  // namespace verbalo
