// The Win32 file system service against a scratch folder in the temporary folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/win32/file_system_win32.h"
#include "platform/win32/long_path.h"
#include "platform/win32/text_conversion.h"

namespace verbalo {
namespace {

using platform::win32::ExtendedLengthPath;
using platform::win32::Utf8ToWide;
using platform::win32::WideToUtf8;

// Deletes a folder with everything below it; links are removed, never followed.
void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW entry{};
    const HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") {
                continue;
            }
            const std::wstring path = folder + L"\\" + name;
            const DWORD attributes = entry.dwFileAttributes;
            if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
                (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
                RemoveTree(path);
            } else if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
                RemoveDirectoryW(path.c_str());
            } else {
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryW(folder.c_str());
}

// A fresh folder in the temporary folder, removed with its contents at the end.
class ScratchFolder {
  public:
    ScratchFolder() {
        wchar_t temp[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH + 1, temp);
        path_ = std::wstring(temp) + L"verbalo-fs-" + std::to_wstring(GetCurrentProcessId());
        RemoveTree(path_);
        created_ = CreateDirectoryW(path_.c_str(), nullptr) != 0;
    }
    ~ScratchFolder() { RemoveTree(path_); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    bool created() const { return created_; }
    std::string Path(std::string_view below = {}) const {
        return WideToUtf8(path_) + (below.empty() ? "" : "\\" + std::string(below));
    }
    bool AddFolder(std::string_view below) {
        return CreateDirectoryW(Utf8ToWide(Path(below)).c_str(), nullptr) != 0;
    }
    bool AddFile(std::string_view below, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
        const HANDLE file = CreateFileW(Utf8ToWide(Path(below)).c_str(), GENERIC_WRITE, 0, nullptr,
                                        CREATE_NEW, attributes, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            return false;
        }
        CloseHandle(file);
        return true;
    }

  private:
    std::wstring path_;
    bool created_ = false;
};

class Win32FileSystemTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(scratch.created()); }

    std::vector<std::string> SortedSubfolders(std::string_view folder) {
        const auto listed = files.Subfolders(folder);
        EXPECT_TRUE(listed.has_value()) << folder;
        std::vector<std::string> paths;
        for (const auto& subfolder : listed.value_or(std::vector<platform::FileSystem::Folder>{})) {
            EXPECT_FALSE(subfolder.isLink) << subfolder.fullPath;
            paths.push_back(subfolder.fullPath);
        }
        std::ranges::sort(paths);
        return paths;
    }

    ScratchFolder scratch;
    platform::win32::Win32FileSystem files;
};

TEST_F(Win32FileSystemTest, ListsFoldersOnlyWithTheirFullPaths) {
    ASSERT_TRUE(scratch.AddFolder("Alfa"));
    ASSERT_TRUE(scratch.AddFolder("Città"));
    ASSERT_TRUE(scratch.AddFolder("Alfa\\Dentro"));
    ASSERT_TRUE(scratch.AddFile("file.txt"));

    EXPECT_EQ(SortedSubfolders(scratch.Path()),
              (std::vector<std::string>{scratch.Path("Alfa"), scratch.Path("Città")}));
    EXPECT_EQ(SortedSubfolders(scratch.Path() + "\\"),
              (std::vector<std::string>{scratch.Path("Alfa"), scratch.Path("Città")}));
}

TEST_F(Win32FileSystemTest, AnEmptyFolderListsNothingAMissingOneOrAFileCannotBeListed) {
    ASSERT_TRUE(scratch.AddFolder("Vuota"));
    ASSERT_TRUE(scratch.AddFile("file.txt"));

    EXPECT_EQ(files.Subfolders(scratch.Path("Vuota")),
              std::optional{std::vector<platform::FileSystem::Folder>{}});
    EXPECT_FALSE(files.Subfolders(scratch.Path("Manca")).has_value());
    EXPECT_FALSE(files.Subfolders(scratch.Path("file.txt")).has_value());
    EXPECT_FALSE(files.Subfolders("").has_value());
}

TEST_F(Win32FileSystemTest, ASymbolicLinkToAFolderIsListedAsALink) {
    ASSERT_TRUE(scratch.AddFolder("Bersaglio"));
    const std::wstring link = Utf8ToWide(scratch.Path("Collegamento"));
    // Some systems refuse links, and some (Wine 8) report success without making one.
    if (!CreateSymbolicLinkW(link.c_str(), Utf8ToWide(scratch.Path("Bersaglio")).c_str(),
                             SYMBOLIC_LINK_FLAG_DIRECTORY) ||
        GetFileAttributesW(link.c_str()) == INVALID_FILE_ATTRIBUTES) {
        GTEST_SKIP() << "symbolic links cannot be made here";
    }

    const auto listed = files.Subfolders(scratch.Path());

    ASSERT_TRUE(listed.has_value());
    ASSERT_EQ(listed->size(), 2u);
    for (const auto& subfolder : *listed) {
        EXPECT_EQ(subfolder.isLink, subfolder.fullPath == scratch.Path("Collegamento"));
    }
}

TEST_F(Win32FileSystemTest, OnlyAPlainFileIsANormalFile) {
    ASSERT_TRUE(scratch.AddFile("MSINFO32.EXE"));
    ASSERT_TRUE(scratch.AddFile("sola lettura.exe", FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(scratch.AddFile("nascosto.exe", FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(scratch.AddFolder("Cartella"));

    EXPECT_TRUE(files.NormalFileExists(scratch.Path("MSINFO32.EXE")));
    EXPECT_TRUE(files.NormalFileExists(scratch.Path("msinfo32.exe")));
    EXPECT_TRUE(files.NormalFileExists(scratch.Path("sola lettura.exe")));
    EXPECT_FALSE(files.NormalFileExists(scratch.Path("nascosto.exe")));
    EXPECT_FALSE(files.NormalFileExists(scratch.Path("Cartella")));
    EXPECT_FALSE(files.NormalFileExists(scratch.Path("manca.exe")));
    EXPECT_FALSE(files.NormalFileExists(scratch.Path("*.EXE")));
    EXPECT_FALSE(files.NormalFileExists(""));
}

// The plain form of a path reaches MAX_PATH - 1 characters; the wide calls reach a longer one
// only through the extended-length prefix, which turns off the system's making of the path, so
// that it is made first.
TEST(ExtendedLengthPath, APathOfMaxPathOrMoreIsMadeFullAndPrefixed) {
    const std::wstring a(300, L'a');
    const struct {
        std::wstring path;
        std::wstring passed;
    } cases[] = {
        {L"C:\\Programmi\\x", L"C:\\Programmi\\x"},
        {L"C:\\" + a.substr(0, 256), L"C:\\" + a.substr(0, 256)},  // MAX_PATH - 1
        {L"C:\\" + a.substr(0, 257), L"\\\\?\\C:\\" + a.substr(0, 257)},
        {L"C:/" + a + L"/./b/../c/*", L"\\\\?\\C:\\" + a + L"\\c\\*"},
        {L"C:\\" + a + L".\\x", L"\\\\?\\C:\\" + a + L"\\x"},  // a name's trailing dot
        {L"\\\\server\\share\\" + a, L"\\\\?\\UNC\\server\\share\\" + a},
        {L"\\\\?\\C:\\" + a + L"\\..", L"\\\\?\\C:\\" + a + L"\\.."},
    };
    for (const auto& tried : cases) {
        EXPECT_EQ(WideToUtf8(ExtendedLengthPath(tried.path)), WideToUtf8(tried.passed))
            << tried.path.size() << " characters";
    }
}

}  // namespace
}  // namespace verbalo
