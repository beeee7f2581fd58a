#include <gtest/gtest.h>

#include "mainwindow/fakes/fake_form1_window.h"

namespace verbalo::testing {
namespace {

struct KeyCase {
    char separator;
    char typed;
    std::int16_t received;  // 0: dropped
};

class KeyFilter : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyFilter, PassesMapsOrDropsTheKey) {
    Form1Fixture f(GetParam().separator);
    std::int16_t key = static_cast<unsigned char>(GetParam().typed);
    f.form.Text1_KeyPress(key);
    EXPECT_EQ(key, GetParam().received);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyFilter,
    ::testing::Values(KeyCase{',', '.', ','}, KeyCase{',', ',', ','}, KeyCase{'.', ',', '.'},
                      KeyCase{'.', '.', '.'}, KeyCase{',', '7', '7'}, KeyCase{',', '0', '0'},
                      KeyCase{',', '9', '9'}, KeyCase{',', '-', '-'}, KeyCase{',', 'a', 0},
                      KeyCase{',', ' ', 0}, KeyCase{',', '+', 0}, KeyCase{',', 8, 8},
                      KeyCase{',', 3, 3}, KeyCase{',', 18, 18}, KeyCase{',', 22, 22},
                      KeyCase{',', 24, 0}, KeyCase{',', 26, 0}, KeyCase{',', 9, 0}));

TEST(AmountEntry, TypingAPointOnACommaSystemEntersACommaAndEchoes) {
    Form1Fixture f(',');
    f.window.TypeText("1234.5");
    EXPECT_EQ(f.window.amountText, "1234,5");
    EXPECT_EQ(f.window.echo, "1.234,50");
    EXPECT_DOUBLE_EQ(f.form.amountValue(), 1234.0);  // read with "." as the only point
}

TEST(AmountEntry, TypingACommaOnAPointSystemEntersAPoint) {
    Form1Fixture f('.');
    f.window.TypeText("1234,5");
    EXPECT_EQ(f.window.amountText, "1234.5");
    EXPECT_EQ(f.window.echo, "1,234.50");
    EXPECT_DOUBLE_EQ(f.form.amountValue(), 1234.5);
}

TEST(AmountEntry, EveryKeyButEnterClearsTheOutputsAndCollapses) {
    Form1Fixture f;
    f.window.TypeText("12\r");
    ASSERT_EQ(f.window.outerHeight, 2290);
    f.window.amountText.clear();
    f.window.Type(8);  // Backspace in an empty field
    EXPECT_EQ(f.window.output, "");
    EXPECT_EQ(f.window.status, "");
    EXPECT_EQ(f.window.outerHeight, 2060);
    EXPECT_EQ(f.form.wording(), "Dodici / 00");  // kept for the Case menu
}

TEST(AmountEntry, AChangeNotCausedByAKeyClearsButKeepsTheHeightUntilTheNextResize) {
    Form1Fixture f;
    f.window.TypeText("12\r");
    f.window.SetAmountText("34");  // a paste from the context menu
    EXPECT_EQ(f.window.output, "");
    EXPECT_EQ(f.form.windowHeight(), 2060);
    EXPECT_EQ(f.window.outerHeight, 2290);
}

TEST(AmountEntry, AThirteenthIntegerDigitDisappears) {
    Form1Fixture f;
    f.window.TypeText("1234567890123");
    EXPECT_EQ(f.window.amountText, "123456789012");
    EXPECT_EQ(f.window.echo, "123.456.789.012,00");
    EXPECT_EQ(f.window.caret, 12);
}

TEST(AmountEntry, ATextTooLargeByManyDigitsIsCutOneNestedChangeAtATime) {
    Form1Fixture f;
    const int before = f.window.changeEvents;
    f.window.SetAmountText("123456789012345");
    EXPECT_EQ(f.window.amountText, "123456789012");
    EXPECT_EQ(f.window.changeEvents - before, 4);
}

TEST(AmountEntry, ADigitTypedInTheMiddleOfTwelveCutsTheLastCharacter) {
    Form1Fixture f;
    f.window.TypeText("123456789012");
    f.window.SetAmountText("1293456789012");  // "9" inserted after "12"
    EXPECT_EQ(f.window.amountText, "129345678901");
    EXPECT_EQ(f.window.caret, 12);
}

TEST(AmountEntry, WithFourteenCharactersAnyKeyButBackspaceAndCtrlCSendsATab) {
    for (const char key : {'5', 'x', ',', '\x16'}) {
        Form1Fixture f;
        f.window.SetAmountText("-1234567,12345");
        ASSERT_EQ(f.window.amountText.size(), 14u);
        f.window.Type(key);
        EXPECT_EQ(f.keyboard.events.size(), 2u) << int{key};
    }
    for (const char key : {'\b', '\x03'}) {
        Form1Fixture f;
        f.window.SetAmountText("-1234567,12345");
        f.window.Type(key);
        EXPECT_TRUE(f.keyboard.events.empty()) << int{key};
    }
}

TEST(AmountEntry, TheFifteenthCharacterIsEnteredBeforeTheTab) {
    Form1Fixture f;
    f.window.SetAmountText("-1234567,12345");
    f.window.SetAmountCaret(20);  // the user presses End
    f.window.Type('6');
    EXPECT_EQ(f.window.amountText, "-1234567,123456");
    ASSERT_EQ(f.keyboard.events.size(), 2u);
    EXPECT_EQ(f.keyboard.events[0].virtualKey, 9);
}

TEST(AmountEntry, ANegativeNineDigitAmountIsWordedWhenItsEchoIsComplete) {
    Form1Fixture f;
    f.window.TypeText("-12345678");
    EXPECT_EQ(f.form.wording(), "");
    f.window.Type('9');
    EXPECT_EQ(f.window.echo, "-123.456.789,00");
    EXPECT_EQ(f.form.wording(),
              "MenoCentoVentiTreMilioniQuattroCentoCinquantaSeiMilaSetteCentoOttantaNove / 00");
    EXPECT_EQ(f.clipboard.contents,
              "Menocentoventitremilioniquattrocentocinquantaseimilasettecentoottantanove / 00");
}

TEST(AmountEntry, EnterInAnEmptyFieldChangesNothing) {
    Form1Fixture f;
    f.window.Type('\r');
    EXPECT_EQ(f.window.echo, "");
    EXPECT_EQ(f.clipboard.writes, 0);
    EXPECT_TRUE(f.dialogs.shown.empty());
}

TEST(AmountEntry, FocusDecidesWhetherLeavingTheFieldWordsTheAmount) {
    Form1Fixture f;
    f.window.TypeText("21");
    f.form.Text1_LostFocus(OtherWindow::ThisProgram);
    EXPECT_EQ(f.form.wording(), "VentUno / 00");
    EXPECT_EQ(f.form.described(), Flag::True);

    f.window.TypeText("0");
    f.form.Text1_LostFocus(OtherWindow::ThisProgram);  // described is still true: nothing happens
    EXPECT_EQ(f.form.wording(), "VentUno / 00");

    f.window.amountFocused = false;
    f.window.FocusAmount();
    EXPECT_EQ(f.form.described(), Flag::False);
    f.form.Text1_LostFocus(OtherWindow::ThisProgram);
    EXPECT_EQ(f.form.wording(), "DueCentoDieci / 00");
}

TEST(AmountEntry, APasteOverTheLimitIsCutByWholeCharacters) {
    for (const char* pasted : {"1234567890123\xC3\xA9", "1234567890123\xE2\x82\xAC",
                               "1234567890123\xF0\x9F\x92\xB6", "1234567890123\xFF"}) {
        Form1Fixture f;
        f.window.Paste(pasted);
        EXPECT_EQ(f.window.amountText, "123456789012") << pasted;
        EXPECT_EQ(f.window.echo, "123.456.789.012,00") << pasted;
        EXPECT_LE(f.window.deepestChangeNesting, 3) << pasted;
    }
}

TEST(AmountEntry, ANegativeAmountTooLargeToWordEchoesFormattedAndWaitsForEnter) {
    Form1Fixture f;
    f.window.TypeText("-12345678901234");
    EXPECT_EQ(f.window.echo, "-12.345.678.901.234,00");
    EXPECT_TRUE(f.dialogs.shown.empty());
    f.window.Type('\r');
    ASSERT_EQ(f.dialogs.shown.size(), 1u);
    EXPECT_EQ(f.dialogs.shown[0].text, "Importo troppo grande: il massimo è 999.999.999.999,99");
}

TEST(AmountEntry, ADroppedKeyChangesNothingAndWordsNothing) {
    Form1Fixture f;
    f.window.TypeText("999949999999-59");  // the fifteenth character words it: not a number
    ASSERT_EQ(f.dialogs.shown.size(), 1u);
    const int changes = f.window.changeEvents;
    for (const char dropped : {'\x01', 'a', '\x1A', '+'}) {
        f.window.Type(dropped);
    }
    EXPECT_EQ(f.window.changeEvents, changes);
    EXPECT_EQ(f.dialogs.shown.size(), 1u);
}

}  // namespace
}  // namespace verbalo::testing
