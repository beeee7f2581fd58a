#include <gtest/gtest.h>

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

}  // namespace
}  // namespace verbalo
