// Text as a control stores it: UTF-16, with ill-formed UTF-8 replaced the way
// MultiByteToWideChar(CP_UTF8) replaces it.
#include "platform/utf16.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace verbalo::platform {
namespace {

struct StoredCase {
    std::string_view name;
    std::string_view typed;
    std::string_view stored;
    int length;  // UTF-16 units
};

const StoredCase kStoredCases[] = {
    {"ascii", "1234,5", "1234,5", 6},
    {"accented", "1234\xC3\xA9", "1234\xC3\xA9", 5},
    {"euro sign",
     "\xE2\x82\xAC"
     "5",
     "\xE2\x82\xAC"
     "5",
     2},
    {"outside the BMP", "\xF0\x9F\x92\xB6", "\xF0\x9F\x92\xB6", 2},
    {"stray byte",
     "1\xFF"
     "2",
     "1\xEF\xBF\xBD"
     "2",
     3},
    {"lone continuation", "\x80", "\xEF\xBF\xBD", 1},
    {"cut two-byte lead", "12\xC3", "12\xEF\xBF\xBD", 3},
    {"cut three-byte sequence is one subpart", "\xE2\x82", "\xEF\xBF\xBD", 1},
    {"overlong form", "\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD", 2},
    {"encoded surrogate", "\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD", 3},
    {"above U+10FFFF", "\xF4\x90\x80\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD", 4},
};

TEST(ControlText, IsStoredAsUtf16WithIllFormedBytesReplaced) {
    for (const auto& c : kStoredCases) {
        EXPECT_EQ(AsStoredByControl(c.typed), c.stored) << c.name;
        EXPECT_EQ(Utf16Length(c.typed), c.length) << c.name;
        EXPECT_EQ(Utf16Length(c.stored), c.length) << c.name;
    }
}

TEST(ControlText, AnUnpairedSurrogateComesBackReplaced) {
    EXPECT_EQ(Utf16ToUtf8(u"1\xD800"), "1\xEF\xBF\xBD");
    EXPECT_EQ(Utf16ToUtf8(u"\xDC00"
                          "2"),
              "\xEF\xBF\xBD"
              "2");
}

TEST(ControlText, TheLastCharacterIsCutWhole) {
    struct Cut {
        std::string_view text;
        std::string_view rest;
    };
    for (const auto& [text, rest] :
         {Cut{"1234", "123"}, Cut{"123\xC3\xA9", "123"}, Cut{"1\xF0\x9F\x92\xB6", "1"},
          Cut{"12\xC3", "12"}, Cut{"1\xEF\xBF\xBD", "1"}, Cut{"", ""}}) {
        EXPECT_EQ(WithoutLastCharacter(text), rest) << text;
    }
}

TEST(ControlText, HoldsBackOnlyASequenceCutShortAtTheEnd) {
    struct Held {
        std::string_view text;
        std::size_t whole;
    };
    for (const auto& [text, whole] :
         {Held{"", 0}, Held{"12", 2}, Held{"1\xC3", 1}, Held{"1\xC3\xA8", 3}, Held{"\xE2\x82", 0},
          Held{"\xEF\xBF\xBD", 3}, Held{"\xF0\x9F\x92", 0}, Held{"1\x80", 2}, Held{"1\xFF", 2},
          Held{"\xC0", 1}, Held{"\xE0\x80", 2}, Held{"\xF5", 1}, Held{"\xF4\x90", 2}}) {
        EXPECT_EQ(WholeCharactersLength(text), whole) << testing::PrintToString(text);
    }
}

// Text written in two pieces, split anywhere, converts as it does in one piece when each write
// hands over its whole characters and keeps the rest for the next.
TEST(ControlText, PiecesOfWholeCharactersConvertAsTheWholeText) {
    std::vector<std::string_view> texts;
    for (const auto& c : kStoredCases) {
        texts.push_back(c.typed);
    }
    texts.push_back("il massimo \xC3\xA8 \xE2\x82\xAC 9\xF0\x9F\x92\xB6\xE2\x82z\xC3");
    for (const std::string_view text : texts) {
        for (std::size_t split = 0; split <= text.size(); ++split) {
            const std::string first(text.substr(0, split));
            const std::size_t whole = WholeCharactersLength(first);
            const std::u16string pieces =
                Utf8ToUtf16(std::string_view(first).substr(0, whole)) +
                Utf8ToUtf16(first.substr(whole) + std::string(text.substr(split)));
            EXPECT_EQ(pieces, Utf8ToUtf16(text)) << testing::PrintToString(text) << " at " << split;
        }
    }
}

}  // namespace
}  // namespace verbalo::platform
