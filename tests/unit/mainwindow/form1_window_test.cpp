#include <gtest/gtest.h>

#include "mainwindow/fakes/fake_form1_window.h"

namespace verbalo::testing {
namespace {

TEST(Form1Window, StartsCentredCollapsedEmptyAndInTheDefaultStyle) {
    Form1Fixture f(',', Form1Fixture::Start::NotLoaded);
    FakeForm1Window& window = f.window;
    Form1& form = f.form;
    const auto designWidth = window.outerWidth;
    const auto designHeight = window.outerHeight;

    form.Form_Load();

    EXPECT_EQ(window.left, (FakeForm1Window::kScreenWidth - designWidth) / 2);
    EXPECT_EQ(window.top, (FakeForm1Window::kScreenHeight - designHeight) / 2);
    EXPECT_EQ(form.caseStyle(), 1);
    EXPECT_EQ(form.windowHeight(), 2060);
    EXPECT_EQ(form.wordTables().unitWords[19], "Diciannove");
    EXPECT_EQ(window.output, "");
    EXPECT_EQ(window.status, "");

    form.Form_Resize();
    EXPECT_EQ(window.outerHeight, 2060);
    EXPECT_EQ(f.clipboard.writes, 0);
}

TEST(Form1Window, SnapsBackToTheMinimumWidthThroughANestedResize) {
    Form1Fixture f;
    f.window.Resize(5000, 2060);
    EXPECT_EQ(f.window.outerWidth, 7395);
    EXPECT_EQ(f.window.outputWidth, 7395 - FakeForm1Window::kFrameWidth - 120);
}

TEST(Form1Window, WideningWidensTheOutputBoxAndTheHeightStaysFixed) {
    Form1Fixture f;
    for (const int width : {7395, 7396, 9000, 15000}) {
        f.window.Resize(width, 5000);
        EXPECT_EQ(f.window.outerWidth, width);
        EXPECT_EQ(f.window.outputWidth, f.window.ClientWidth() - 120);
        EXPECT_EQ(f.window.outerHeight, 2060);
    }
}

TEST(Form1Window, HeightReturnsToTheExpandedHeightAfterADescription) {
    Form1Fixture f;
    f.window.TypeText("12\r");
    f.window.Resize(8000, 900);
    EXPECT_EQ(f.window.outerHeight, 2290);
}

TEST(Form1Window, SizeRulesRestWhileMinimizedOrMaximizedAndReturnOnRestore) {
    Form1Fixture f;
    f.window.minimizedOrMaximized = true;
    f.window.Resize(20000, 12000);
    EXPECT_EQ(f.window.outerHeight, 12000);
    f.window.minimizedOrMaximized = false;
    f.window.Resize(3000, 12000);
    EXPECT_EQ(f.window.outerWidth, 7395);
    EXPECT_EQ(f.window.outerHeight, 2060);
}

TEST(Form1Window, MenuCommandsSetDescribedBeforeTheyActAndDoNotWordAPendingAmount) {
    Form1Fixture f;
    f.window.TypeText("12");
    f.form.Mu_progr_Click();
    EXPECT_EQ(f.form.described(), Flag::True);
    EXPECT_EQ(f.aboutWindow.shown, 1);
    f.form.Text1_LostFocus(OtherWindow::ThisProgram);  // the focus goes to the About window
    EXPECT_EQ(f.form.wording(), "");

    f.form.Form_Activate(OtherWindow::ThisProgram);  // the About window has closed
    EXPECT_EQ(f.form.described(), Flag::False);

    f.form.Mu_Talvo_Click();
    EXPECT_EQ(f.producerWindow.shown, 1);
    f.form.Text1_LostFocus(OtherWindow::ThisProgram);
    EXPECT_EQ(f.form.wording(), "");
}

// Which focus and activation changes are events of the window: the first of each counts from
// wherever it comes, later ones only within the program; leaving counts only to the program.
TEST(Form1Window, FocusChangesCountByWhereTheyComeFromOrGo) {
    enum class Change { Activation, FocusGained, FocusLost };
    constexpr auto kHere = OtherWindow::ThisProgram;
    constexpr auto kElsewhere = OtherWindow::AnotherApplication;
    struct Case {
        Change change;
        bool first;
        OtherWindow other;
        bool counts;
    };
    const Case cases[] = {
        {Change::Activation, true, kElsewhere, true},    // at start, from the shell
        {Change::Activation, false, kElsewhere, false},  // back from another application
        {Change::Activation, false, kHere, true},        // a modal window has closed
        {Change::FocusGained, true, kElsewhere, true},
        {Change::FocusGained, false, kElsewhere, false},
        {Change::FocusGained, false, kHere, true},
        {Change::FocusLost, false, kHere, true},
        {Change::FocusLost, false, kElsewhere, false},
    };
    for (const auto& c : cases) {
        Form1Fixture f(',', Form1Fixture::Start::NotLoaded);
        f.form.Form_Load();
        if (!c.first) {
            f.form.Form_Activate(kElsewhere);
            f.form.Text1_GotFocus(kElsewhere);
        }
        f.window.SetAmountText("12");
        bool counted = false;
        switch (c.change) {
            case Change::Activation:
                f.form.Mu_end_Click();  // sets described, which a counted activation clears
                f.form.Form_Activate(c.other);
                counted = f.form.described() == Flag::False;
                break;
            case Change::FocusGained:
                f.form.Mu_end_Click();
                f.form.Text1_GotFocus(c.other);
                counted = f.form.described() == Flag::False;
                break;
            case Change::FocusLost:
                f.form.Text1_LostFocus(c.other);  // a counted loss words the amount
                counted = !f.form.wording().empty();
                break;
        }
        EXPECT_EQ(counted, c.counts) << "change " << static_cast<int>(c.change) << ", first "
                                     << c.first << ", from this program " << (c.other == kHere);
    }
}

TEST(Form1Window, FineEndsTheProgramWithoutWordingThePendingAmount) {
    Form1Fixture f;
    f.window.TypeText("12");
    f.form.Mu_end_Click();
    EXPECT_TRUE(f.window.ended);
    f.form.Text1_LostFocus(OtherWindow::ThisProgram);
    EXPECT_EQ(f.clipboard.writes, 0);
}

TEST(Form1Window, OffersTheEasterDateWithItsMessageForEarlyYears) {
    Form1Fixture f;
    const auto easter = f.form.PasquaGregoriana(2024.0);
    ASSERT_TRUE(easter.has_value());
    EXPECT_EQ(easter->YearMonthDay(), std::chrono::year{2024} / 3 / 31);
    const double early = 1899.9;
    EXPECT_TRUE(f.form.PasquaGregoriana(early)->IsZero());
    ASSERT_EQ(f.dialogs.shown.size(), 1u);
    EXPECT_EQ(f.dialogs.shown[0].icon, platform::Dialogs::Icon::Warning);
}

}  // namespace
}  // namespace verbalo::testing
