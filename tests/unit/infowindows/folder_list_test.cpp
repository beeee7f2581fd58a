#include "infowindows/folder_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/fakes/fake_file_system.h"

namespace verbalo {
namespace {

using platform::FakeFileSystem;

std::vector<std::string> PathsOf(const FolderList& list) {
    std::vector<std::string> paths;
    for (const auto& folder : list.Subfolders()) {
        paths.push_back(folder.fullPath);
    }
    return paths;
}

class FolderListTest : public ::testing::Test {
  protected:
    FolderListTest() {
        files.AddFolder("C:\\Start\\One");
        files.AddFolder("C:\\Other\\Beta");
        files.AddFolder("C:\\Other\\Alpha");
    }

    FakeFileSystem files;
};

TEST_F(FolderListTest, StartsListedWithoutRunningTheHandler) {
    int changes = 0;
    FolderList list(files, "C:\\Start");
    list.SetChangeHandler([&] { ++changes; });

    EXPECT_EQ(list.Path(), "C:\\Start");
    EXPECT_EQ(PathsOf(list), std::vector<std::string>{"C:\\Start\\One"});
    EXPECT_EQ(changes, 0);
}

TEST_F(FolderListTest, ANewFolderIsListedBeforeTheHandlerRunsAndTheHandlerEndsBeforeTheSetter) {
    FolderList list(files, "C:\\Start");
    std::vector<std::string> seenByHandler;
    bool handlerDone = false;
    list.SetChangeHandler([&] {
        seenByHandler = PathsOf(list);
        seenByHandler.insert(seenByHandler.begin(), list.Path());
        handlerDone = true;
    });

    EXPECT_TRUE(list.SetPath("C:\\Other"));

    EXPECT_TRUE(handlerDone);
    EXPECT_EQ(seenByHandler,
              (std::vector<std::string>{"C:\\Other", "C:\\Other\\Beta", "C:\\Other\\Alpha"}));
}

TEST_F(FolderListTest, SettingTheSameTextRaisesNothingAnyOtherTextDoes) {
    FolderList list(files, "C:\\Other");
    int changes = 0;
    list.SetChangeHandler([&] { ++changes; });

    list.SetPath("C:\\Other");
    EXPECT_EQ(changes, 0);

    list.SetPath("c:\\other");
    EXPECT_EQ(changes, 1);
}

TEST_F(FolderListTest, AFolderThatCannotBeListedLeavesTheListAsItWas) {
    files.MakeUnlistable("C:\\Locked");
    FolderList list(files, "C:\\Start");
    int changes = 0;
    list.SetChangeHandler([&] { ++changes; });

    EXPECT_FALSE(list.SetPath("C:\\Locked"));
    EXPECT_FALSE(list.SetPath("C:\\Missing"));

    EXPECT_EQ(changes, 0);
    EXPECT_EQ(list.Path(), "C:\\Start");
    EXPECT_EQ(PathsOf(list), std::vector<std::string>{"C:\\Start\\One"});
}

}  // namespace
}  // namespace verbalo
