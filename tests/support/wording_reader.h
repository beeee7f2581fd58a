#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "wording/word_tables.h"

namespace verbalo::testing {

// What a cheque wording says.
struct WordedAmount {
    bool negative = false;  // "Meno" in front
    std::uint64_t integerPart = 0;
    int cents = 0;

    friend bool operator==(const WordedAmount&, const WordedAmount&) = default;
};

// Reads a cheque wording, in any letter case, back into the amount it says: the oracle that the
// wording is checked against. It knows only the number words of the tables and the grammar:
//   wording   = ["meno"] [billions] [millions] [thousands] [group] " / " digit digit
//   billions  = "unmiliardo" | group "miliardi"    (likewise "unmilione" | group "milioni",
//                                                    "mille" | group "mila")
//   group     = 1 to 999: [unit 2-9] "cento", then a unit 1-19, or a ten 20-90 with an optional
//               unit 1-9, the ten losing its last letter before "uno" and "otto"
// The singular scale words stand only first; a group of one before a plural scale word never
// does. Anything else, blanks inside the words included, gives no value.
class WordingReader {
  public:
    explicit WordingReader(const WordTables& tables);

    std::optional<WordedAmount> Read(std::string_view wording) const;

    enum class Kind { Minus, Unit, Ten, ElidedTen, Hundred, SingularScale, PluralScale };
    struct Token {
        Kind kind;
        std::uint64_t value;  // a number word's value, or a scale's power of a thousand
    };

  private:
    struct Word {
        std::string text;  // lower case
        Token token;
    };
    std::optional<std::vector<Token>> Tokens(std::string_view lowerCaseWords) const;

    std::vector<Word> vocabulary_;
};

}  // namespace verbalo::testing
