#pragma once

#include <string_view>

namespace verbalo::cli {

// An amount as a spreadsheet shows it in euros, with the sign taken off: "€ 1.234,50",
// "1.234,50 €", "-€ 5" (the minus before the sign), "EUR 7". The sign is "€" in UTF-8 (and in
// UTF-16 as the program reads it), the byte 0x80 of Windows-1252, or "EUR"; a blank or one
// no-break space (UTF-8 C2 A0, Windows-1252 A0) may stand between it and the number.
struct EuroAmount {
    std::string_view number;  // the text without the sign, or the whole text when it has none
    bool minusBeforeSign = false;
};

EuroAmount WithoutEuroSignAtEitherEnd(std::string_view text);

// Inline: called for every amount, most of which have digits at both ends and so no sign.
inline EuroAmount WithoutEuroSign(std::string_view text) {
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    if (!text.empty() && isDigit(text.back()) &&
        (isDigit(text.front()) || (text.size() > 1 && text[0] == '-' && isDigit(text[1])))) {
        return {text, false};
    }
    return WithoutEuroSignAtEitherEnd(text);
}

}  // namespace verbalo::cli
