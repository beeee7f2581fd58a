#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "keys/send_key.h"
#include "platform/fakes/fake_keyboard_events.h"

namespace verbalo {
namespace {

using platform::FakeKeyboardEvents;
using Event = FakeKeyboardEvents::Event;

constexpr std::uint32_t kDown = 0;
constexpr std::uint32_t kUp = platform::KeyboardEvents::kKeyUp;

// US set-1 scan codes of the keys used below, as the fake reports them.
constexpr std::uint8_t kTabScan = 0x0F;
constexpr std::uint8_t kShiftScan = 0x2A;
constexpr std::uint8_t kCtrlScan = 0x1D;
constexpr std::uint8_t kAltScan = 0x38;

std::vector<Event> Tap(std::uint8_t key, std::uint8_t scan) {
    return {{key, scan, kDown, 0}, {key, scan, kUp, 0}};
}

std::vector<Event> TapWith(std::uint8_t modifier, std::uint8_t modifierScan, std::uint8_t key,
                           std::uint8_t scan) {
    return {{modifier, modifierScan, kDown, 0},
            {key, scan, kDown, 0},
            {key, scan, kUp, 0},
            {modifier, modifierScan, kUp, 0}};
}

struct SentKey {
    std::string name;
    std::string keyText;
    std::int16_t modifier;
    std::vector<Event> events;
    std::string keyTextAfter;
    std::int16_t modifierAfter;
};

void PrintTo(const SentKey& sent, std::ostream* os) {
    *os << sent.name;
}

template <class Case>
std::string NameOf(const testing::TestParamInfo<Case>& tested) {
    return tested.param.name;
}

class SendKeyNotation : public testing::TestWithParam<SentKey> {};

TEST_P(SendKeyNotation, SendsTheEventsInOrderAndHandsBackTextAndModifier) {
    const SentKey& sent = GetParam();
    FakeKeyboardEvents keyboard;
    std::string keyText = sent.keyText;
    std::int16_t modifier = sent.modifier;

    EXPECT_TRUE(SendKey(keyText, modifier, keyboard).has_value());

    EXPECT_EQ(keyboard.events, sent.events);
    EXPECT_EQ(keyText, sent.keyTextAfter);
    EXPECT_EQ(modifier, sent.modifierAfter);
}

INSTANTIATE_TEST_SUITE_P(
    NamedKeys, SendKeyNotation,
    testing::Values(SentKey{"Tab", "{TAB}", 0, Tap(9, kTabScan), "{TAB}", 0},
                    SentKey{"Home", "{HOME}", 0, Tap(36, 0x47), "{HOME}", 0},
                    SentKey{"End", "{END}", 0, Tap(35, 0x4F), "{END}", 0},
                    SentKey{"Up", "{UP}", 0, Tap(38, 0x48), "{UP}", 0},
                    SentKey{"Right", "{RIGHT}", 0, Tap(39, 0x4D), "{RIGHT}", 0},
                    SentKey{"Down", "{DOWN}", 0, Tap(40, 0x50), "{DOWN}", 0},
                    SentKey{"Left", "{LEFT}", 0, Tap(37, 0x4B), "{LEFT}", 0},
                    SentKey{"PageUp", "{PGUP}", 0, Tap(33, 0x49), "{PGUP}", 0},
                    SentKey{"PageDown", "{PGDN}", 0, Tap(34, 0x51), "{PGDN}", 0}),
    NameOf<SentKey>);

INSTANTIATE_TEST_SUITE_P(
    UnknownNamesSendKeyZero, SendKeyNotation,
    testing::Values(SentKey{"NotInTable", "{F1}", 0, Tap(0, 0), "{F1}", 0},
                    SentKey{"LowerCase", "{tab}", 0, Tap(0, 0), "{tab}", 0},
                    SentKey{"BraceAlone", "{", 0, Tap(0, 0), "{", 0},
                    SentKey{"NameWithTrailingText", "{TAB}x", 0, Tap(0, 0), "{TAB}x", 0},
                    SentKey{"NameWithBlank", "{TAB} ", 0, Tap(0, 0), "{TAB} ", 0},
                    SentKey{"UnknownNameWithShift", "+{ESC}", 0, TapWith(16, kShiftScan, 0, 0),
                            "{ESC}", 16}),
    NameOf<SentKey>);

INSTANTIATE_TEST_SUITE_P(
    Modifiers, SendKeyNotation,
    testing::Values(
        SentKey{"ShiftTab", "+{TAB}", 0, TapWith(16, kShiftScan, 9, kTabScan), "{TAB}", 16},
        SentKey{"ShiftLetter", "+a", 0, TapWith(16, kShiftScan, 'A', 0x1E), "a", 16},
        SentKey{"ShiftReplacesCallersModifier", "+a", 17, TapWith(16, kShiftScan, 'A', 0x1E), "a",
                16},
        SentKey{"AltLetter", "%f", 0, TapWith(18, kAltScan, 'F', 0x21), "%f", 18},
        SentKey{"AltTakesTheLastCharacter", "%fx", 0, TapWith(18, kAltScan, 'X', 0x2D), "%fx", 18},
        SentKey{"AltReplacesShift", "+%f", 0, TapWith(18, kAltScan, 'F', 0x21), "%f", 18},
        SentKey{"PercentAloneIsAltWithItsOwnKey", "%", 0, TapWith(18, kAltScan, '5', 0x06), "%",
                18},
        SentKey{"CallersCtrl", "c", 17, TapWith(17, kCtrlScan, 'C', 0x2E), "c", 17},
        SentKey{"CallersCtrlWithNamedKey", "{END}", 17, TapWith(17, kCtrlScan, 35, 0x4F), "{END}",
                17},
        SentKey{"LargestByteModifier", "a", 255, TapWith(255, 0, 'A', 0x1E), "a", 255},
        SentKey{"NegativeModifierIsNone", "a", -5, Tap('A', 0x1E), "a", -5},
        SentKey{"MostNegativeModifierIsNone", "a", -32768, Tap('A', 0x1E), "a", -32768}),
    NameOf<SentKey>);

INSTANTIATE_TEST_SUITE_P(
    Characters, SendKeyNotation,
    testing::Values(SentKey{"Letter", "a", 0, Tap('A', 0x1E), "a", 0},
                    SentKey{"OnlyTheFirstCharacter", "ab", 0, Tap('A', 0x1E), "ab", 0},
                    SentKey{"CapitalWithoutShift", "A", 0, Tap('A', 0x1E), "A", 0},
                    SentKey{"Digit", "7", 0, Tap('7', 0x08), "7", 0},
                    SentKey{"ShiftedSymbolWithoutShift", "?", 0, Tap(0xBF, 0x35), "?", 0},
                    SentKey{"PlusAfterPlus", "++", 0, TapWith(16, kShiftScan, 0xBB, 0x0D), "+", 16},
                    SentKey{"CharacterWithNoKey", "\x01", 0, Tap(255, 0), "\x01", 0},
                    SentKey{"NonAsciiCharacter", "\xC3\xA8", 0, Tap(255, 0), "\xC3\xA8", 0},
                    SentKey{"NonAsciiFirstOfTwo",
                            "\xE2\x82\xAC"
                            "a",
                            0, Tap(255, 0),
                            "\xE2\x82\xAC"
                            "a",
                            0},
                    SentKey{"NonAsciiLastWithAlt", "%a\xC3\xA8", 0, TapWith(18, kAltScan, 255, 0),
                            "%a\xC3\xA8", 18}),
    NameOf<SentKey>);

TEST(SendKey, AsksTheLayoutOnlyForTheCharacterItSends) {
    FakeKeyboardEvents keyboard;
    std::int16_t modifier = 0;

    std::string plain = "xyz";
    ASSERT_TRUE(SendKey(plain, modifier, keyboard));
    std::string alt = "%xyz";
    ASSERT_TRUE(SendKey(alt, modifier, keyboard));
    std::string named = "{TAB}";
    ASSERT_TRUE(SendKey(named, modifier, keyboard));
    std::string nonAscii = "\xC3\xA8";
    ASSERT_TRUE(SendKey(nonAscii, modifier, keyboard));

    EXPECT_THAT(keyboard.scannedCharacters, testing::ElementsAre('x', 'z'));
}

TEST(SendKey, FollowsTheKeyboardLayout) {
    FakeKeyboardEvents keyboard;
    keyboard.layout['z'] = 'Y';  // a German layout swaps Y and Z
    std::string keyText = "z";
    std::int16_t modifier = 0;

    ASSERT_TRUE(SendKey(keyText, modifier, keyboard));

    EXPECT_EQ(keyboard.events, Tap('Y', 0x15));
}

struct RefusedKey {
    std::string name;
    std::string keyText;
    std::int16_t modifier;
    SendKeyError error;
    std::string keyTextAfter;
    std::int16_t modifierAfter;
};

void PrintTo(const RefusedKey& refused, std::ostream* os) {
    *os << refused.name;
}

class SendKeyRefusal : public testing::TestWithParam<RefusedKey> {};

TEST_P(SendKeyRefusal, ReportsTheErrorAndSendsNothing) {
    const RefusedKey& refused = GetParam();
    FakeKeyboardEvents keyboard;
    std::string keyText = refused.keyText;
    std::int16_t modifier = refused.modifier;

    const auto result = SendKey(keyText, modifier, keyboard);

    ASSERT_FALSE(result.has_value());
    EXPECT_EQ(result.error(), refused.error);
    EXPECT_THAT(keyboard.events, testing::IsEmpty());
    EXPECT_EQ(keyText, refused.keyTextAfter);
    EXPECT_EQ(modifier, refused.modifierAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Errors, SendKeyRefusal,
    testing::Values(
        RefusedKey{"EmptyText", "", 0, SendKeyError::InvalidArgument, "", 0},
        RefusedKey{"EmptyTextKeepsModifier", "", 17, SendKeyError::InvalidArgument, "", 17},
        RefusedKey{"PlusAlone", "+", 0, SendKeyError::InvalidArgument, "", 16},
        RefusedKey{"PlusAloneOverridesModifier", "+", 300, SendKeyError::InvalidArgument, "", 16},
        RefusedKey{"EmptyBeforeOverflow", "", 300, SendKeyError::InvalidArgument, "", 300},
        RefusedKey{"ModifierAboveAByte", "a", 256, SendKeyError::Overflow, "a", 256},
        RefusedKey{"LargestModifier", "{TAB}", 32767, SendKeyError::Overflow, "{TAB}", 32767}),
    NameOf<RefusedKey>);

TEST(SendKey, ScanCodeAboveAByteIsAnOverflowBeforeAnyEvent) {
    for (const std::uint32_t unsendable : {0x100u, 0xE01Du}) {
        FakeKeyboardEvents keyboard;
        keyboard.scanCodes[9] = unsendable;
        std::string shiftTab = "+{TAB}";
        std::int16_t modifier = 0;
        auto result = SendKey(shiftTab, modifier, keyboard);
        ASSERT_FALSE(result);
        EXPECT_EQ(result.error(), SendKeyError::Overflow);

        keyboard.scanCodes[9] = kTabScan;
        keyboard.scanCodes[16] = unsendable;
        std::string tab = "{TAB}";
        modifier = kShiftKey;
        result = SendKey(tab, modifier, keyboard);
        ASSERT_FALSE(result);
        EXPECT_EQ(result.error(), SendKeyError::Overflow);

        EXPECT_THAT(keyboard.events, testing::IsEmpty());
    }
}

}  // namespace
}  // namespace verbalo
