#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "mainwindow/fakes/fake_form1_window.h"

namespace verbalo::testing {
namespace {

TEST(Description, WordsShowsCopiesReportsExpandsAndReturnsTheCaret) {
    Form1Fixture f;
    f.window.TypeText("1234,5\r");
    EXPECT_EQ(f.form.wording(), "MilleDueCentoTrentaQuattro / 50");
    EXPECT_DOUBLE_EQ(f.form.amountValue(), 1234.5);
    EXPECT_EQ(f.window.output, "Milleduecentotrentaquattro / 50");
    EXPECT_EQ(f.clipboard.contents, "Milleduecentotrentaquattro / 50");
    EXPECT_EQ(f.window.status, "Descrizione memorizzata negli appunti di Windows");
    EXPECT_EQ(f.window.outerHeight, 2290);
    EXPECT_TRUE(f.window.amountFocused);
    EXPECT_EQ(f.window.caret, 6);
}

TEST(Description, ABlankFieldChangesNothing) {
    Form1Fixture f;
    f.window.TypeText("12\r");
    f.window.amountText = "   ";
    std::int16_t enter = 13;
    f.form.Text1_KeyPress(enter);
    EXPECT_EQ(f.form.wording(), "Dodici / 00");
    EXPECT_EQ(f.window.status, "Descrizione memorizzata negli appunti di Windows");
    EXPECT_EQ(f.window.outerHeight, 2290);
    EXPECT_EQ(f.clipboard.writes, 1);
}

TEST(Description, TheSameAmountTwiceStillReportsAndExpands) {
    Form1Fixture f;
    f.window.TypeText("12\r");
    f.window.status.clear();
    f.window.Type('\r');
    EXPECT_EQ(f.window.status, "Descrizione memorizzata negli appunti di Windows");
    EXPECT_EQ(f.clipboard.writes, 2);
}

struct BadAmount {
    std::string_view text;
    std::string_view message;
};

class UnwordableAmount : public ::testing::TestWithParam<BadAmount> {};

TEST_P(UnwordableAmount, ShowsTheReasonAndLeavesEverythingAsItWas) {
    Form1Fixture f;
    f.window.TypeText("12\r");
    f.window.amountText = std::string(GetParam().text);  // pasted
    bool describedWhileShown = false;
    f.dialogs.whileShown = [&] {
        describedWhileShown = f.form.described() == Flag::True;
        f.form.Text1_LostFocus(OtherWindow::ThisProgram);  // the focus moves to the message box
    };

    f.window.Type('\r');

    ASSERT_EQ(f.dialogs.shown.size(), 1u);
    EXPECT_EQ(f.dialogs.shown[0].text, GetParam().message);
    EXPECT_EQ(f.dialogs.shown[0].icon, platform::Dialogs::Icon::Warning);
    EXPECT_TRUE(describedWhileShown);
    EXPECT_EQ(f.form.wording(), "Dodici / 00");
    EXPECT_DOUBLE_EQ(f.form.amountValue(), 12.0);
    EXPECT_EQ(f.window.output, "Dodici / 00");
    EXPECT_EQ(f.window.status, "Descrizione memorizzata negli appunti di Windows");
    EXPECT_EQ(f.clipboard.contents, "Dodici / 00");
    EXPECT_EQ(f.clipboard.writes, 1);
}

INSTANTIATE_TEST_SUITE_P(
    PastedTexts, UnwordableAmount,
    ::testing::Values(BadAmount{"abc", "Importo non valido"}, BadAmount{"-", "Importo non valido"},
                      BadAmount{"1,2,3", "Importo non valido"},
                      BadAmount{"12-3", "Importo non valido"},
                      BadAmount{"9.999.999.999.999",
                                "Importo troppo grande: il massimo è 999.999.999.999,99"}));

TEST(Description, AFailedCopyStillShowsTheWordingButDoesNotClaimSuccess) {
    Form1Fixture f;
    f.clipboard.held = true;
    f.window.TypeText("21\r");
    EXPECT_EQ(f.window.output, "Ventuno / 00");
    EXPECT_EQ(f.window.status, "Impossibile copiare negli appunti di Windows: riprovare");
    EXPECT_EQ(f.window.outerHeight, 2290);
}

struct StyleCase {
    std::int16_t style;
    std::string_view shown;
};

class CaseMenu : public ::testing::TestWithParam<StyleCase> {};

TEST_P(CaseMenu, ReshowsAndRecopiesTheLastWordingEvenAfterANewAmountIsTyped) {
    Form1Fixture f;
    f.window.TypeText("21000\r");
    f.window.TypeText("7");  // a new amount, not yet described
    f.form.Mu_Case_Click(GetParam().style);
    EXPECT_EQ(f.window.output, GetParam().shown);
    EXPECT_EQ(f.clipboard.contents, GetParam().shown);
    EXPECT_EQ(f.form.caseStyle(), GetParam().style);
    EXPECT_EQ(f.window.status, "");         // untouched by the menu
    EXPECT_EQ(f.window.outerHeight, 2060);  // untouched by the menu
    EXPECT_EQ(f.form.wording(), "VentUnoMila / 00");
}

INSTANTIATE_TEST_SUITE_P(Styles, CaseMenu,
                         ::testing::Values(StyleCase{0, "VENTUNOMILA / 00"},
                                           StyleCase{1, "Ventunomila / 00"},
                                           StyleCase{2, "VentUnoMila / 00"}));

TEST(CaseMenu, TheChosenStyleHoldsForLaterDescriptions) {
    Form1Fixture f;
    f.form.Mu_Case_Click(0);
    f.window.TypeText("1001\r");
    EXPECT_EQ(f.clipboard.contents, "MILLEUNO / 00");
}

TEST(CaseMenu, BeforeAnyDescriptionTheBoxIsEmptiedAndTheClipboardGetsTheEmptyText) {
    Form1Fixture f;
    f.form.Mu_Case_Click(2);
    EXPECT_EQ(f.window.output, "");
    EXPECT_EQ(f.clipboard.contents, "");
    EXPECT_EQ(f.clipboard.writes, 1);
}

TEST(CaseMenu, AnIndexThatNamesNoEntryChangesNothing) {
    Form1Fixture f;
    f.window.TypeText("21000\r");
    const std::int16_t indexes[] = {3, -1, 32767};
    for (const std::int16_t index : indexes) {
        f.form.Mu_Case_Click(index);
    }
    EXPECT_EQ(f.form.caseStyle(), 1);
    EXPECT_EQ(f.window.output, "Ventunomila / 00");
    EXPECT_EQ(f.clipboard.writes, 1);
    f.window.TypeText("5\r");  // 210005: worded, shown and copied in the style chosen before
    EXPECT_EQ(f.window.output, "Duecentodiecimilacinque / 00");
    EXPECT_EQ(f.clipboard.contents, "Duecentodiecimilacinque / 00");
}

TEST(CaseMenu, TheCurrentStyleStillRewritesAndRecopies) {
    Form1Fixture f;
    f.window.TypeText("5\r");
    f.form.Mu_Case_Click(1);
    f.form.Mu_Case_Click(1);
    EXPECT_EQ(f.clipboard.writes, 3);
}

TEST(CaseMenu, AFailedCopyFromTheMenuIsReported) {
    Form1Fixture f;
    f.window.TypeText("5\r");
    f.clipboard.held = true;
    f.form.Mu_Case_Click(0);
    EXPECT_EQ(f.window.output, "CINQUE / 00");
    EXPECT_EQ(f.window.status, "Impossibile copiare negli appunti di Windows: riprovare");
}

// Each step: whether the clipboard is held by another program, then what the user does.
struct CopyStep {
    bool held;
    char action;  // '\r' Enter, 'm' a Case menu entry
    std::string_view status;
};

class StatusLine : public ::testing::TestWithParam<std::vector<CopyStep>> {};

TEST_P(StatusLine, TellsTheOutcomeOfTheLastCopy) {
    Form1Fixture f;
    f.window.TypeText("21");
    for (const CopyStep& step : GetParam()) {
        f.clipboard.held = step.held;
        if (step.action == 'm') {
            f.form.Mu_Case_Click(1);
        } else {
            f.window.Type(step.action);
        }
        EXPECT_EQ(f.window.status, step.status) << step.action << (step.held ? " held" : "");
    }
}

constexpr std::string_view kCopied = "Descrizione memorizzata negli appunti di Windows";
constexpr std::string_view kFailed = "Impossibile copiare negli appunti di Windows: riprovare";

INSTANTIATE_TEST_SUITE_P(
    Copies, StatusLine,
    ::testing::Values(std::vector<CopyStep>{{true, '\r', kFailed}, {false, '\r', kCopied}},
                      std::vector<CopyStep>{{true, '\r', kFailed}, {false, 'm', kCopied}},
                      std::vector<CopyStep>{{true, 'm', kFailed}, {false, 'm', kCopied}},
                      std::vector<CopyStep>{{false, '\r', kCopied}, {true, 'm', kFailed}},
                      std::vector<CopyStep>{
                          {false, '\r', kCopied}, {false, '5', ""}, {false, 'm', ""}}));

}  // namespace
}  // namespace verbalo::testing
