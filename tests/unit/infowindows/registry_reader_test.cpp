#include "infowindows/registry_reader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/fakes/fake_registry.h"

namespace verbalo {
namespace {

using platform::FakeRegistry;
using platform::Registry;
using Bytes = std::vector<std::uint8_t>;

constexpr Registry::Key kRoot = Registry::kLocalMachine;
constexpr std::string_view kKey = "SOFTWARE\\Verbalo Test";

Bytes BytesOf(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

struct StoredValue {
    std::string_view what;
    std::uint32_t type;
    Bytes data;
    std::string textPassedIn;
    std::string expectedText;
};

void PrintTo(const StoredValue& value, std::ostream* out) {
    *out << value.what;
}

class ReadStoredValue : public ::testing::TestWithParam<StoredValue> {};

TEST_P(ReadStoredValue, RendersTheValueAndClosesTheKey) {
    FakeRegistry registry;
    registry.SetValue(kRoot, kKey, "Value", GetParam().type, GetParam().data);
    std::string text = GetParam().textPassedIn;

    const auto read = ReadRegistryValue(registry, kRoot, kKey, "Value", text);

    ASSERT_TRUE(read.has_value());
    EXPECT_TRUE(*read);
    EXPECT_EQ(text, GetParam().expectedText);
    EXPECT_TRUE(registry.openKeys.empty());
}

INSTANTIATE_TEST_SUITE_P(
    EveryType, ReadStoredValue,
    ::testing::Values(StoredValue{"text with its NUL", Registry::kTypeString,
                                  BytesOf({"C:\\x.exe\0", 9}), "", "C:\\x.exe"},
                      StoredValue{"text without NUL keeps its last character",
                                  Registry::kTypeString, BytesOf("abc"), "", "abc"},
                      StoredValue{"only one NUL is dropped", Registry::kTypeString,
                                  BytesOf({"abc\0\0", 5}), "", std::string("abc\0", 4)},
                      StoredValue{"empty text", Registry::kTypeString, Bytes{0}, "old", ""},
                      StoredValue{"text replaces what was passed in", Registry::kTypeString,
                                  BytesOf({"new\0", 4}), "old", "new"},
                      StoredValue{"code-page text becomes UTF-8", Registry::kTypeString,
                                  BytesOf({"Citt\xE0\0", 6}), "", "Città"},
                      StoredValue{"DWORD 0x105: 05 01 00 00", Registry::kTypeDword,
                                  Bytes{0x05, 0x01, 0, 0}, "", "&h015"},
                      StoredValue{"DWORD without a zero high byte keeps all four",
                                  Registry::kTypeDword, Bytes{0x78, 0x56, 0x34, 0x12}, "",
                                  "&h12345678"},
                      StoredValue{"DWORD 0", Registry::kTypeDword, Bytes{0, 0, 0, 0}, "", "&h000"},
                      StoredValue{"DWORD bytes above 9 in upper case", Registry::kTypeDword,
                                  Bytes{0xAB, 0x0C, 0xF0, 0x00}, "", "&hF0CAB"},
                      StoredValue{"DWORD digits go after the text passed in", Registry::kTypeDword,
                                  Bytes{0x05, 0x01, 0, 0}, "X", "&hX015"},
                      StoredValue{"expandable text leaves the text", Registry::kTypeExpandString,
                                  BytesOf({"%SystemRoot%\0", 13}), "as passed", "as passed"},
                      StoredValue{"raw bytes leave the text", Registry::kTypeBinary, Bytes{1, 2, 3},
                                  "as passed", "as passed"},
                      StoredValue{"multi-string leaves the text", Registry::kTypeMultiString,
                                  BytesOf({"a\0b\0\0", 5}), "", ""},
                      StoredValue{"a value of exactly 1024 bytes", Registry::kTypeString,
                                  Bytes(1024, 'x'), "", std::string(1024, 'x')}));

struct Missing {
    std::string_view what;
    bool keyExists;
    bool valueExists;
    bool accessDenied;
    std::size_t valueSize;
};

void PrintTo(const Missing& value, std::ostream* out) {
    *out << value.what;
}

class ReadFails : public ::testing::TestWithParam<Missing> {};

TEST_P(ReadFails, ReturnsFalseWithTheTextEmptiedAndNoKeyLeftOpen) {
    FakeRegistry registry;
    if (GetParam().keyExists) {
        registry.AddKey(kRoot, kKey);
    }
    if (GetParam().valueExists) {
        registry.SetValue(kRoot, kKey, "Value", Registry::kTypeString,
                          Bytes(GetParam().valueSize, 'x'));
    }
    if (GetParam().accessDenied) {
        registry.DenyAccess(kRoot, kKey);
    }
    std::string text = "previous";

    const auto read = ReadRegistryValue(registry, kRoot, kKey, "Value", text);

    ASSERT_TRUE(read.has_value());
    EXPECT_FALSE(*read);
    EXPECT_EQ(text, "");
    EXPECT_TRUE(registry.openKeys.empty());
}

INSTANTIATE_TEST_SUITE_P(Failures, ReadFails,
                         ::testing::Values(Missing{"missing key", false, false, false, 0},
                                           Missing{"missing value", true, false, false, 0},
                                           Missing{"access refused", true, true, true, 8},
                                           Missing{"1025 bytes", true, true, false, 1025},
                                           Missing{"far too long", true, true, false, 70000}));

TEST(ReadRegistryValue, AValueWithNoDataIsReportedAndLeavesTheTextAsPassed) {
    for (const std::uint32_t type :
         {Registry::kTypeString, Registry::kTypeDword, Registry::kTypeBinary}) {
        FakeRegistry registry;
        registry.SetValue(kRoot, kKey, "Value", type, {});
        std::string text = "as passed";

        const auto read = ReadRegistryValue(registry, kRoot, kKey, "Value", text);

        ASSERT_FALSE(read.has_value()) << type;
        EXPECT_EQ(read.error(), RegistryReadError::NoData);
        EXPECT_EQ(text, "as passed");
        EXPECT_TRUE(registry.openKeys.empty());
    }
}

TEST(ReadRegistryValue, OpensWithQueryRightsOnlyBelowTheRootGiven) {
    FakeRegistry registry;
    registry.SetString(Registry::kCurrentUser, kKey, "Value", "user");
    registry.SetString(Registry::kLocalMachine, kKey, "Value", "machine");
    std::string text;

    ASSERT_TRUE(ReadRegistryValue(registry, Registry::kCurrentUser, kKey, "Value", text).value());

    EXPECT_EQ(text, "user");
    EXPECT_EQ(registry.requestedAccess, std::vector<std::uint32_t>{0x0001});
}

}  // namespace
}  // namespace verbalo
