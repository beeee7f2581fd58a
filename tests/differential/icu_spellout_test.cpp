// Compares the integer wording with ICU's Italian spell-out. Only the known, deliberate
// differences between the two are normalised; anything else fails.
#include <unicode/locid.h>
#include <unicode/rbnf.h>
#include <unicode/unistr.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <random>
#include <string>

#include "wording/compose_wording.h"

namespace verbalo {
namespace {

class ItalianSpellOut {
  public:
    ItalianSpellOut() {
        UErrorCode status = U_ZERO_ERROR;
        format_ = std::make_unique<icu::RuleBasedNumberFormat>(icu::URBNF_SPELLOUT,
                                                               icu::Locale("it"), status);
        if (U_FAILURE(status)) {
            format_.reset();
            return;
        }
        format_->setDefaultRuleSet(u"%spellout-numbering", status);
        if (U_FAILURE(status)) {
            format_.reset();
        }
    }

    bool Available() const { return format_ != nullptr; }

    std::string Spell(std::int64_t value) const {
        icu::UnicodeString text;
        format_->format(value, text);
        std::string utf8;
        text.toUTF8String(utf8);
        return utf8;
    }

  private:
    std::unique_ptr<icu::RuleBasedNumberFormat> format_;
};

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (std::size_t pos = text.find(from); pos != std::string::npos;
         pos = text.find(from, pos + to.size())) {
        text.replace(pos, from.size(), to);
    }
}

void ReplaceFirstAfter(std::string& text, std::size_t start, std::string_view from,
                       std::string_view to) {
    const std::size_t pos = text.find(from, start);
    if (pos != std::string::npos) {
        text.replace(pos, from.size(), to);
    }
}

// ICU's words brought to the program's conventions, lower case.
std::string NormaliseIcu(std::string icu, std::int64_t value) {
    ReplaceAll(icu, "\u00AD", "");  // soft hyphens
    ReplaceAll(icu, " ", "");
    ReplaceAll(icu, "tré", "tre");
    ReplaceAll(icu, "centott", "centoott");  // "centotto", "centottanta"
    // "ventunmila", "trentunmilioni", "quarantunmiliardi": the program keeps "Uno" whole.
    ReplaceAll(icu, "unmila", "unomila");
    ReplaceAll(icu, "unmilioni", "unomilioni");
    ReplaceAll(icu, "unmiliardi", "unomiliardi");
    if (value == 0) {
        icu.clear();  // no word for zero in a cheque wording
    }
    // An inner group of one: ICU writes "mille" and "un milione", the program "unomila" and
    // "unomilioni".
    const std::int64_t billions = value / 1'000'000'000;
    const std::int64_t millions = value / 1'000'000 % 1000;
    const std::int64_t thousands = value / 1000 % 1000;
    if (billions > 0 && millions == 1) {
        ReplaceFirstAfter(icu, icu.find("miliard"), "unmilione", "unomilioni");
    }
    if (value >= 1'000'000 && thousands == 1) {
        ReplaceFirstAfter(icu, 0, "mille", "unomila");
    }
    return icu;
}

std::string OurWords(std::int64_t value) {
    ExactAmount amount;
    amount.integerPart = static_cast<std::uint64_t>(value);
    std::string wording = ComposeWording(StandardWordTables(), amount);
    wording.resize(wording.size() - 5);  // " / 00"
    for (char& c : wording) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return wording;
}

class IcuDifferential : public testing::Test {
  protected:
    void SetUp() override {
        if (!icu_.Available()) {
            GTEST_SKIP() << "ICU has no Italian spell-out rules";
        }
    }

    void ExpectSameWords(std::int64_t value, int& failures) const {
        const std::string ours = OurWords(value);
        const std::string theirs = NormaliseIcu(icu_.Spell(value), value);
        if (ours != theirs && ++failures <= 20) {
            ADD_FAILURE() << value << ": ours \"" << ours << "\", ICU \"" << theirs << "\"";
        }
    }

    ItalianSpellOut icu_;
};

TEST_F(IcuDifferential, EveryIntegerBelowOneMillion) {
    int failures = 0;
    for (std::int64_t value = 0; value < 1'000'000; ++value) {
        ExpectSameWords(value, failures);
    }
    EXPECT_EQ(failures, 0);
}

TEST_F(IcuDifferential, SeededRandomIntegersUpToTheLimit) {
    std::mt19937_64 random(20261208);
    std::uniform_int_distribution<std::int64_t> anyAmount(0, 999'999'999'999);
    // Small groups and ones in every position are where the scale words differ most.
    std::uniform_int_distribution<int> groupShape(0, 3);
    std::uniform_int_distribution<std::int64_t> anyGroup(0, 999);
    int failures = 0;
    for (int i = 0; i < 200'000; ++i) {
        std::int64_t value = anyAmount(random);
        if (i % 2 == 1) {
            value = 0;
            for (int group = 0; group < 4; ++group) {
                const int shape = groupShape(random);
                value = value * 1000 + (shape == 0 ? 0 : shape == 1 ? 1 : anyGroup(random));
            }
        }
        ExpectSameWords(value, failures);
    }
    EXPECT_EQ(failures, 0);
}

}  // namespace
}  // namespace verbalo
