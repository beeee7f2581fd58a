#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "wording/letter_case.h"

namespace verbalo {
namespace {

struct StyleCase {
    std::int16_t style;
    std::string_view wording;
    std::string_view shown;
};

class CaseStyles : public testing::TestWithParam<StyleCase> {};

TEST_P(CaseStyles, ShowTheWordingInTheChosenStyle) {
    EXPECT_EQ(ApplyCaseStyle(GetParam().wording, GetParam().style), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    MenuEntries, CaseStyles,
    testing::Values(
        StyleCase{0, "MilleDueCentoTrentaQuattro / 50", "MILLEDUECENTOTRENTAQUATTRO / 50"},
        StyleCase{1, "MilleDueCentoTrentaQuattro / 50", "Milleduecentotrentaquattro / 50"},
        StyleCase{2, "MilleDueCentoTrentaQuattro / 50", "MilleDueCentoTrentaQuattro / 50"},
        StyleCase{0, "VentUnoMila / 00", "VENTUNOMILA / 00"},
        StyleCase{1, "VentUnoMila / 00", "Ventunomila / 00"},
        StyleCase{2, "VentUnoMila / 00", "VentUnoMila / 00"},
        StyleCase{1, "UnmilioneUnoMila / 00", "Unmilioneunomila / 00"},
        StyleCase{0, " / 50", " / 50"}, StyleCase{1, " / 50", " / 50"},
        StyleCase{2, " / 50", " / 50"}, StyleCase{0, "", ""}, StyleCase{1, "", ""},
        StyleCase{1, "MenoCinque / 25", "Menocinque / 25"}));

TEST(CaseStyles, AnIndexOutsideTheMenuGivesNoText) {
    EXPECT_EQ(ApplyCaseStyle("Uno / 00", 3), std::nullopt);
    EXPECT_EQ(ApplyCaseStyle("Uno / 00", -1), std::nullopt);
}

TEST(CaseStyles, OnlyAsciiLettersChange) {
    EXPECT_EQ(ApplyCaseStyle("aè / 09", 0), "Aè / 09");
}

// Every byte value, at every place of texts of every length up to forty (the styles work eight
// bytes at a time), against the letter-by-letter rule.
TEST(CaseStyles, ChangeEveryByteAsTheLetterByLetterRuleDoes) {
    const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    std::mt19937 random(5);
    for (int byte = 0; byte < 256; ++byte) {
        for (std::size_t length = 1; length <= 40; ++length) {
            std::string text(length, ' ');
            for (char& c : text) {
                c = static_cast<char>(random() % 256);
            }
            text[random() % length] = static_cast<char>(byte);
            std::string expectedUpper = text;
            std::string expectedLower = text;
            std::transform(text.begin(), text.end(), expectedUpper.begin(), upper);
            std::transform(text.begin() + 1, text.end(), expectedLower.begin() + 1, lower);
            ASSERT_EQ(ApplyCaseStyle(text, 0), expectedUpper) << byte << ' ' << length;
            ASSERT_EQ(ApplyCaseStyle(text, 1), expectedLower) << byte << ' ' << length;
        }
    }
}

}  // namespace
}  // namespace verbalo
