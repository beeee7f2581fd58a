#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "infowindows/info_texts.h"
#include "resources/maker_data.h"

namespace verbalo {
namespace {

// What a label shows for its stored text: "&&" as "&", a single "&" marks the access key.
std::string ShownByLabel(std::string_view text) {
    std::string shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            ++i;
            if (i == text.size()) {
                break;
            }
        }
        shown += text[i];
    }
    return shown;
}

TEST(LabelTextShowing, EveryAmpersandSurvivesTheLabel) {
    for (const std::string_view shown : {"", "TALVO", "a & b", "&", "&&x&"}) {
        EXPECT_EQ(ShownByLabel(LabelTextShowing(shown)), shown) << shown;
    }
    EXPECT_EQ(LabelTextShowing("a & b"), "a && b");
}

TEST(MakerData, TheLegalNameIsTradeNameFormAndRest) {
    std::string joined(maker::kTradeName);
    joined.append(" ").append(maker::kCompanyForm).append(" ").append(maker::kLegalNameRest);
    EXPECT_EQ(maker::kLegalName, joined);
    EXPECT_TRUE(std::ranges::none_of(maker::kCompanyForm,
                                     [](unsigned char c) { return std::isupper(c) != 0; }));
    EXPECT_NE(maker::kLegalNameRest.find('&'), std::string_view::npos);
}

TEST(MakerData, LabelsShowTheLegalNameWithOneAmpersand) {
    EXPECT_EQ(LegalNameRestLabelText(), "di Fittizio && C.");
    EXPECT_EQ(ShownByLabel(LegalNameRestLabelText()), maker::kLegalNameRest);
    EXPECT_EQ(ShownByLabel(AboutCreditLabelText()), "by " + std::string(maker::kLegalName));
}

TEST(ProducerNotice, KeepsTheTwoBlanksBeforeNonAndNoOtherDoubleBlank) {
    const std::string_view notice = kProducerNotice;
    const auto doubleBlank = notice.find("  ");
    EXPECT_EQ(notice.substr(doubleBlank, 18), "  non a scopo di l");
    EXPECT_EQ(notice.substr(doubleBlank - 13, 13), "distribuzione");
    EXPECT_EQ(notice.find("  ", doubleBlank + 1), std::string_view::npos);
    EXPECT_EQ(notice.find('\n'), std::string_view::npos);
    EXPECT_FALSE(notice.starts_with(' '));
    EXPECT_FALSE(notice.ends_with(' '));
}

}  // namespace
}  // namespace verbalo
