#include "wording/word_group.h"

#include <algorithm>
#include <array>

namespace verbalo {
namespace {

constexpr std::string_view kHundred = "Cento";

bool IsDigitGroup(std::string_view text) {
    return text.size() <= 3 &&
           std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

// Hundreds, tens and units digits of a group text filled out to three digits on the left.
std::array<int, 3> SplitDigits(std::string_view text) {
    std::array<int, 3> digits{0, 0, 0};
    const std::size_t offset = digits.size() - text.size();
    for (std::size_t i = 0; i < text.size(); ++i) {
        digits[offset + i] = text[i] - '0';
    }
    return digits;
}

}  // namespace

std::expected<void, WordingError> AppendGroupWords(const WordTables& tables,
                                                   std::string_view groupText, TextBuffer& out) {
    if (!IsDigitGroup(groupText)) {
        return std::unexpected(WordingError::InvalidGroup);
    }
    const auto [hundreds, tens, units] = SplitDigits(groupText);
    const std::size_t originalSize = out.size();
    auto fail = [&] {
        out.Truncate(originalSize);
        return std::unexpected(WordingError::InvalidGroup);
    };

    // Hundreds: "Cento" alone for one hundred, the unit word in front from two hundred up.
    if (hundreds >= 2) {
        const auto word = tables.Unit(static_cast<std::size_t>(hundreds));
        if (!word) {
            return fail();
        }
        out.Append(*word);
    }
    if (hundreds >= 1) {
        out.Append(kHundred);
    }

    if (tens >= 2) {
        const auto tensWord = tables.Tens(static_cast<std::size_t>(tens));
        const auto unitWord = tables.Unit(static_cast<std::size_t>(units));
        if (!tensWord || !unitWord) {
            return fail();
        }
        out.Append(*tensWord);
        // "Venti" + "Uno" -> "VentUno", "Ottanta" + "Otto" -> "OttantOtto".
        if ((units == 1 || units == 8) && !tensWord->empty()) {
            out.PopBack();
        }
        out.Append(*unitWord);
    } else {
        const auto word = tables.Unit(static_cast<std::size_t>(tens * 10 + units));
        if (!word) {
            return fail();
        }
        out.Append(*word);
    }
    return {};
}

std::expected<std::string, WordingError> WordGroup(const WordTables& tables,
                                                   std::string_view groupText) {
    TextBuffer words;
    if (auto appended = AppendGroupWords(tables, groupText, words); !appended) {
        return std::unexpected(appended.error());
    }
    return words.ToString();
}

}  // namespace verbalo
