#include "tests/support/wording_reader.h"

#include <string>
#include <vector>

namespace verbalo::testing {
namespace {

using Kind = WordingReader::Kind;
using Token = WordingReader::Token;

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

}  // namespace

WordingReader::WordingReader(const WordTables& tables) {
    vocabulary_ = {
        {"meno", {Kind::Minus, 0}},           {"unmiliardo", {Kind::SingularScale, 3}},
        {"miliardi", {Kind::PluralScale, 3}}, {"unmilione", {Kind::SingularScale, 2}},
        {"milioni", {Kind::PluralScale, 2}},  {"mille", {Kind::SingularScale, 1}},
        {"mila", {Kind::PluralScale, 1}},     {Lower(tables.tensWords[10]), {Kind::Hundred, 100}},
    };
    for (std::size_t unit = 1; unit <= 19; ++unit) {
        vocabulary_.push_back({Lower(tables.unitWords[unit]), {Kind::Unit, unit}});
    }
    for (std::size_t ten = 2; ten <= 9; ++ten) {
        const std::string word = Lower(tables.tensWords[ten]);
        vocabulary_.push_back({word, {Kind::Ten, ten * 10}});
        vocabulary_.push_back({word.substr(0, word.size() - 1), {Kind::ElidedTen, ten * 10}});
    }
}

// The words, each the longest word of the vocabulary that the text goes on with. No word of
// the vocabulary starts with the letter that an elided ten lacks, so this never misreads.
std::optional<std::vector<Token>> WordingReader::Tokens(std::string_view text) const {
    std::vector<Token> tokens;
    while (!text.empty()) {
        const Word* longest = nullptr;
        for (const Word& word : vocabulary_) {
            if (!word.text.empty() && text.starts_with(word.text) &&
                (!longest || word.text.size() > longest->text.size())) {
                longest = &word;
            }
        }
        if (!longest) {
            return std::nullopt;
        }
        tokens.push_back(longest->token);
        text.remove_prefix(longest->text.size());
    }
    return tokens;
}

namespace {

class GroupParser {
  public:
    explicit GroupParser(const std::vector<Token>& tokens) : tokens_(tokens) {}

    bool AtEnd() const { return pos_ == tokens_.size(); }

    // A group of 1 to 999, or no value.
    std::optional<std::uint64_t> Group() {
        std::uint64_t value = 0;
        if (NextIs(Kind::Unit, 0) && Peek().value >= 2 && Peek().value <= 9 &&
            NextIs(Kind::Hundred, 1)) {
            value = Take().value * 100;
            Take();
        } else if (NextIs(Kind::Hundred, 0)) {
            value = Take().value;
        }
        if (NextIs(Kind::Ten, 0)) {
            value += Take().value;
            if (NextIs(Kind::Unit, 0) && Peek().value <= 9) {
                if (Peek().value == 1 || Peek().value == 8) {
                    return std::nullopt;  // the ten should have lost its last letter
                }
                value += Take().value;
            }
        } else if (NextIs(Kind::ElidedTen, 0)) {
            value += Take().value;
            if (!NextIs(Kind::Unit, 0) || (Peek().value != 1 && Peek().value != 8)) {
                return std::nullopt;
            }
            value += Take().value;
        } else if (NextIs(Kind::Unit, 0)) {
            value += Take().value;
        }
        if (value == 0) {
            return std::nullopt;
        }
        return value;
    }

    bool NextIs(Kind kind, std::size_t ahead) const {
        return pos_ + ahead < tokens_.size() && tokens_[pos_ + ahead].kind == kind;
    }
    const Token& Peek() const { return tokens_[pos_]; }
    const Token& Take() { return tokens_[pos_++]; }

  private:
    const std::vector<Token>& tokens_;
    std::size_t pos_ = 0;
};

std::optional<std::uint64_t> IntegerPart(GroupParser& parser) {
    std::uint64_t total = 0;
    int lowestScaleSoFar = 4;  // scales strictly fall: 3 billions to 0 units
    bool first = true;
    while (!parser.AtEnd()) {
        std::uint64_t group = 1;
        int scale = 0;
        if (parser.NextIs(Kind::SingularScale, 0)) {
            if (!first) {
                return std::nullopt;
            }
            scale = static_cast<int>(parser.Take().value);
        } else {
            const auto read = parser.Group();
            if (!read) {
                return std::nullopt;
            }
            group = *read;
            if (parser.NextIs(Kind::PluralScale, 0)) {
                scale = static_cast<int>(parser.Take().value);
                if (first && group == 1) {
                    return std::nullopt;  // a leading one takes the singular
                }
            } else if (!parser.AtEnd()) {
                return std::nullopt;  // only the units group has no scale word
            }
        }
        if (scale >= lowestScaleSoFar) {
            return std::nullopt;
        }
        lowestScaleSoFar = scale;
        std::uint64_t unit = 1;
        for (int i = 0; i < scale; ++i) {
            unit *= 1000;
        }
        total += group * unit;
        first = false;
    }
    return total;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<WordedAmount> WordingReader::Read(std::string_view wording) const {
    constexpr std::size_t kCentsLength = 5;  // " / 50"
    if (wording.size() < kCentsLength) {
        return std::nullopt;
    }
    const std::string_view words = wording.substr(0, wording.size() - kCentsLength);
    const std::string_view cents = wording.substr(words.size());
    if (!cents.starts_with(" / ") || !IsDigit(cents[3]) || !IsDigit(cents[4])) {
        return std::nullopt;
    }
    const auto tokens = Tokens(Lower(words));
    if (!tokens) {
        return std::nullopt;
    }
    WordedAmount amount;
    amount.cents = (cents[3] - '0') * 10 + (cents[4] - '0');
    std::vector<Token> numberTokens = *tokens;
    if (!numberTokens.empty() && numberTokens.front().kind == Kind::Minus) {
        amount.negative = true;
        numberTokens.erase(numberTokens.begin());
    }
    GroupParser parser(numberTokens);
    const auto integerPart = IntegerPart(parser);
    if (!integerPart) {
        return std::nullopt;
    }
    amount.integerPart = *integerPart;
    return amount;
}

}  // namespace verbalo::testing
