// ReadRegistryValue over the real registry, against values written under a scratch key of
// HKEY_CURRENT_USER that the test removes again.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "infowindows/registry_reader.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/text_conversion.h"

namespace verbalo {
namespace {

using platform::Registry;

constexpr const char* kParentPath = "Software\\Verbalo Tests";

// A key created for the test below HKEY_CURRENT_USER, deleted with its values at the end.
class ScratchRegistryKey {
  public:
    ScratchRegistryKey()
        : path_(std::string(kParentPath) + "\\Registry " + std::to_string(GetCurrentProcessId())) {
        created_ = RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                   nullptr, &key_, nullptr) == ERROR_SUCCESS;
    }
    ~ScratchRegistryKey() {
        if (created_) {
            RegCloseKey(key_);
            RegDeleteKeyA(HKEY_CURRENT_USER, path_.c_str());
            RegDeleteKeyA(HKEY_CURRENT_USER, kParentPath);  // only goes when nothing else is left
        }
    }
    ScratchRegistryKey(const ScratchRegistryKey&) = delete;
    ScratchRegistryKey& operator=(const ScratchRegistryKey&) = delete;

    bool created() const { return created_; }
    const std::string& path() const { return path_; }
    LSTATUS Set(const char* name, DWORD type, const void* data, std::size_t size) {
        return RegSetValueExA(key_, name, 0, type, static_cast<const BYTE*>(data),
                              static_cast<DWORD>(size));
    }
    LSTATUS SetText(const char* name, const std::string& text, DWORD type = REG_SZ) {
        return Set(name, type, text.c_str(), text.size() + 1);
    }
    HKEY get() const { return key_; }

  private:
    std::string path_;
    HKEY key_ = nullptr;
    bool created_ = false;
};

class RealRegistry : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(scratch.created()); }

    std::expected<bool, RegistryReadError> Read(const char* name, std::string& text) {
        return ReadRegistryValue(registry, Registry::kCurrentUser, scratch.path(), name, text);
    }

    ScratchRegistryKey scratch;
    platform::win32::Win32Registry registry;
};

TEST(RegistryRoots, TheRootConstantsAreTheSystemsPredefinedKeys) {
    EXPECT_EQ(reinterpret_cast<Registry::Key>(HKEY_LOCAL_MACHINE), Registry::kLocalMachine);
    EXPECT_EQ(reinterpret_cast<Registry::Key>(HKEY_CURRENT_USER), Registry::kCurrentUser);
}

TEST_F(RealRegistry, ReadsTextWithOrWithoutItsTerminator) {
    ASSERT_EQ(scratch.SetText("PATH", "C:\\Strumenti\\msinfo32.exe"), ERROR_SUCCESS);
    ASSERT_EQ(scratch.Set("Bare", REG_SZ, "abc", 3), ERROR_SUCCESS);
    ASSERT_EQ(scratch.SetText("Empty", ""), ERROR_SUCCESS);
    std::string path;
    std::string bare = "x";
    std::string empty = "x";

    EXPECT_TRUE(Read("PATH", path).value());
    EXPECT_TRUE(Read("Bare", bare).value());
    EXPECT_TRUE(Read("Empty", empty).value());

    EXPECT_EQ(path, "C:\\Strumenti\\msinfo32.exe");
    EXPECT_EQ(bare, "abc");
    EXPECT_EQ(empty, "");
}

TEST_F(RealRegistry, TextComesBackAsUtf8ThroughTheCodePage) {
    if (!platform::win32::Utf8ToAnsi("Città")) {
        GTEST_SKIP() << "the ANSI code page has no à";
    }
    const std::wstring wide = L"C:\\Citt\u00E0\\msinfo32.exe";
    ASSERT_EQ(RegSetValueExW(scratch.get(), L"Accent", 0, REG_SZ,
                             reinterpret_cast<const BYTE*>(wide.c_str()),
                             static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
    std::string text;

    EXPECT_TRUE(Read("Accent", text).value());
    EXPECT_EQ(text, "C:\\Città\\msinfo32.exe");
}

TEST_F(RealRegistry, RendersDwordsByteByByteFromTheLast) {
    const DWORD small = 0x105;  // bytes 05 01 00 00
    const DWORD full = 0x12345678;
    ASSERT_EQ(scratch.Set("Small", REG_DWORD, &small, sizeof small), ERROR_SUCCESS);
    ASSERT_EQ(scratch.Set("Full", REG_DWORD, &full, sizeof full), ERROR_SUCCESS);
    std::string smallText;
    std::string fullText;

    EXPECT_TRUE(Read("Small", smallText).value());
    EXPECT_TRUE(Read("Full", fullText).value());

    EXPECT_EQ(smallText, "&h015");
    EXPECT_EQ(fullText, "&h12345678");
}

TEST_F(RealRegistry, AnExpandableStringIsReadButLeavesTheText) {
    ASSERT_EQ(scratch.SetText("Expand", "%SystemRoot%\\system32\\msinfo32.exe", REG_EXPAND_SZ),
              ERROR_SUCCESS);
    std::string text = "as passed";

    EXPECT_TRUE(Read("Expand", text).value());
    EXPECT_EQ(text, "as passed");
}

TEST_F(RealRegistry, AcceptsUpTo1024BytesAndNoMore) {
    ASSERT_EQ(scratch.SetText("Fits", std::string(1023, 'a')), ERROR_SUCCESS);
    ASSERT_EQ(scratch.SetText("OneTooMany", std::string(1024, 'b')), ERROR_SUCCESS);
    ASSERT_EQ(scratch.SetText("Long", std::string(5000, 'c')), ERROR_SUCCESS);
    std::string fits;
    std::string oneTooMany = "previous";
    std::string longText = "previous";

    EXPECT_TRUE(Read("Fits", fits).value());
    EXPECT_FALSE(Read("OneTooMany", oneTooMany).value());
    EXPECT_FALSE(Read("Long", longText).value());

    EXPECT_EQ(fits, std::string(1023, 'a'));
    EXPECT_EQ(oneTooMany, "");
    EXPECT_EQ(longText, "");
}

TEST_F(RealRegistry, AMissingValueOrKeyReadsAsFalseWithTheTextEmptied) {
    std::string missingValue = "previous";
    std::string missingKey = "previous";

    EXPECT_FALSE(Read("Nothing", missingValue).value());
    EXPECT_FALSE(ReadRegistryValue(registry, Registry::kCurrentUser, scratch.path() + "\\Nope",
                                   "PATH", missingKey)
                     .value());

    EXPECT_EQ(missingValue, "");
    EXPECT_EQ(missingKey, "");
}

TEST_F(RealRegistry, AValueWithNoDataIsReported) {
    ASSERT_EQ(scratch.Set("Void", REG_BINARY, nullptr, 0), ERROR_SUCCESS);
    std::string text = "as passed";

    const auto read = Read("Void", text);

    ASSERT_FALSE(read.has_value());
    EXPECT_EQ(read.error(), RegistryReadError::NoData);
    EXPECT_EQ(text, "as passed");
}

}  // namespace
}  // namespace verbalo
