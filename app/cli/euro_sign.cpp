#include "app/cli/euro_sign.h"

#include <array>

namespace verbalo::cli {
namespace {

constexpr std::array<std::string_view, 3> kEuroSigns = {"\xE2\x82\xAC", "\x80", "EUR"};
constexpr std::array<std::string_view, 2> kNoBreakSpaces = {"\xC2\xA0", "\xA0"};

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Takes one of `pieces` off the front of `text` (or, with `atEnd`, off its end), if it is there.
template <std::size_t N>
bool TakeOff(std::string_view& text, const std::array<std::string_view, N>& pieces, bool atEnd) {
    for (const std::string_view piece : pieces) {
        if (atEnd ? text.ends_with(piece) : text.starts_with(piece)) {
            atEnd ? text.remove_suffix(piece.size()) : text.remove_prefix(piece.size());
            return true;
        }
    }
    return false;
}

}  // namespace

EuroAmount WithoutEuroSignAtEitherEnd(std::string_view text) {
    std::string_view number = Trimmed(text);
    for (const bool atEnd : {false, true}) {
        std::string_view rest = number;
        const bool minus = !atEnd && rest.starts_with('-');
        if (minus) {
            rest.remove_prefix(1);
        }
        if (TakeOff(rest, kEuroSigns, atEnd)) {
            TakeOff(rest, kNoBreakSpaces, atEnd);  // a blank the reader passes over itself
            return {rest, minus};
        }
    }
    return {text, false};
}

}  // namespace verbalo::cli
