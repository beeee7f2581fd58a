// The main window's controls, held to what the real Win32 window does.
#include "tests/contract/form1_controls_contract.h"

namespace verbalo::contract {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

TEST_P(Form1ControlsContract, TextComesBackAsAControlStoresIt) {
    struct RoundTrip {
        std::string_view set;
        std::string stored;
    };
    const RoundTrip cases[] = {
        {"12,5", "12,5"},
        {"1\xC3\xA8 \xE2\x82\xAC", "1\xC3\xA8 \xE2\x82\xAC"},  // "1è €"
        {"1\xFF"
         "2",
         "1" + std::string(kReplacement) + "2"},
        {"12\xC3", "12" + std::string(kReplacement)},
    };
    for (const auto& [set, stored] : cases) {
        controls().SetAmountText(set);
        EXPECT_EQ(controls().AmountText(), stored) << "amount field";
        controls().SetOutputText(set);
        EXPECT_EQ(h().OutputText(), stored) << "output box";
        controls().SetEchoCaption(set);
        EXPECT_EQ(h().EchoCaption(), stored) << "echo";
    }
}

TEST_P(Form1ControlsContract, SettingTheAmountRunsTheChangeHandlerBeforeItReturns) {
    controls().SetAmountText("1234,5");
    EXPECT_EQ(h().EchoCaption(), "1.234,50");
    // The handler cuts a thirteenth digit by setting the text again, nested, until it fits.
    controls().SetAmountText("123456789012345");
    EXPECT_EQ(controls().AmountText(), "123456789012");
    EXPECT_EQ(h().EchoCaption(), "123.456.789.012,00");
    EXPECT_EQ(h().Caret(), 12);
}

TEST_P(Form1ControlsContract, TheCaretCountsCharactersAndTypingInsertsThere) {
    controls().SetAmountText(
        "\xC3\xA8"
        "1234");  // "è1234"
    EXPECT_EQ(h().Caret(), 0) << "after a set";
    controls().SetAmountCaret(20);
    EXPECT_EQ(h().Caret(), 5);
    controls().SetAmountCaret(1);
    EXPECT_EQ(h().Caret(), 1);
    h().Type('9');
    EXPECT_EQ(controls().AmountText(),
              "\xC3\xA8"
              "91234");
    EXPECT_EQ(h().Caret(), 2);
    h().Type('\b');
    EXPECT_EQ(controls().AmountText(),
              "\xC3\xA8"
              "1234");
    EXPECT_EQ(h().Caret(), 1);
}

TEST_P(Form1ControlsContract, TheLimitHoldsForTypingAndPastingNotForTheProgram) {
    EXPECT_EQ(controls().AmountMaxLength(), 15);
    controls().SetAmountText("");
    for (const char key : std::string_view("1,234567890123456")) {
        h().Type(key);
    }
    EXPECT_EQ(controls().AmountText(), "1,2345678901234");

    controls().SetAmountText("");
    h().Paste(
        "1,23\xE2\x82\xAC"
        "45678901234567");  // the euro sign counts one
    EXPECT_EQ(controls().AmountText(),
              "1,23\xE2\x82\xAC"
              "4567890123");

    controls().SetAmountText("1,23456789012345678");
    EXPECT_EQ(controls().AmountText(), "1,23456789012345678");
}

TEST_P(Form1ControlsContract, OnlyARealChangeOfTheTextRunsTheChangeHandler) {
    controls().SetAmountText("1,2345678901234");  // full
    controls().SetEchoCaption("untouched");
    controls().SetAmountText("1,2345678901234");
    EXPECT_EQ(h().EchoCaption(), "untouched") << "the same text set again";
    controls().SetAmountCaret(20);
    h().Type('5');
    EXPECT_EQ(h().EchoCaption(), "untouched") << "a key into a full field";
    h().NotifyUnchangedText();
    EXPECT_EQ(h().EchoCaption(), "untouched") << "a notification with the text unchanged";
}

TEST_P(Form1ControlsContract, AKeyTheFilterDropsWordsNothingAgain) {
    controls().SetAmountText("");
    for (const char key : std::string_view("999949999999-59")) {
        h().Type(key);
    }
    ASSERT_EQ(h().dialogs().shown.size(), 1u) << "the fifteenth character words it";
    h().Type('\x01');  // Ctrl+A
    h().NotifyUnchangedText();
    h().ProcessPendingEvents();
    EXPECT_EQ(h().dialogs().shown.size(), 1u);
}

TEST_P(Form1ControlsContract, APasteOverTheLimitIsCutByWholeCharacters) {
    controls().SetAmountText("");
    h().Paste("1234567890123\xC3\xA9");  // "1234567890123é"
    EXPECT_EQ(controls().AmountText(), "123456789012");
}

TEST_P(Form1ControlsContract, LosingTheFocusRunsItsHandlerOnceTheMoveIsOver) {
    controls().SetAmountText("12");
    ASSERT_EQ(h().form().described(), Flag::False);
    const int writes = h().clipboard().writes;
    h().MoveFocusToOwnWindow();
    EXPECT_EQ(h().clipboard().writes, writes) << "nothing runs inside the focus change";
    h().ProcessPendingEvents();
    EXPECT_EQ(h().clipboard().contents, "Dodici / 00");
    EXPECT_TRUE(h().AmountFieldHasFocus()) << "the description gives the focus back";
    EXPECT_EQ(h().form().described(), Flag::False) << "and getting it back clears the flag";
}

TEST_P(Form1ControlsContract, FocusEventsRunInTheOrderTheyCame) {
    controls().SetAmountText("12");
    h().MoveFocusToOwnWindow();
    controls().FocusAmount();
    h().ProcessPendingEvents();
    // Lost (words the amount, described), then got (not described): in this order only.
    EXPECT_EQ(h().clipboard().contents, "Dodici / 00");
    EXPECT_EQ(h().form().described(), Flag::False);
    EXPECT_TRUE(h().AmountFieldHasFocus());
}

TEST_P(Form1ControlsContract, LeavingAfterADescriptionWordsNothing) {
    controls().SetAmountText("12");
    h().Type('\r');
    ASSERT_EQ(h().form().described(), Flag::True);
    const int writes = h().clipboard().writes;
    h().MoveFocusToOwnWindow();
    h().ProcessPendingEvents();
    EXPECT_EQ(h().clipboard().writes, writes);
}

}  // namespace
}  // namespace verbalo::contract
