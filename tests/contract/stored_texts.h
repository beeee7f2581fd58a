#pragma once

#include <string_view>

// Texts set into a control, and what the control gives back: it stores UTF-16, so each
// ill-formed piece of UTF-8 comes back as one U+FFFD, and everything else exactly as set.
namespace verbalo::contract {

struct StoredText {
    const char* what;
    std::string_view set;
    std::string_view readBack;
};

inline constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

inline constexpr StoredText kStoredTexts[] = {
    {"plain", "Verbalo", "Verbalo"},
    {"a two-byte letter", "utilizzo principale è", "utilizzo principale è"},
    {"the euro sign", "1.234,50 €", "1.234,50 €"},
    {"a character outside the BMP", "ok \xF0\x9F\x91\x8D", "ok \xF0\x9F\x91\x8D"},
    {"a stray 0xFF byte", "\xFF", kReplacement},
    {"a two-byte lead cut at the end", "abc\xC3", "abc\xEF\xBF\xBD"},
    {"a lead before a plain character", "\xC3!", "\xEF\xBF\xBD!"},
    {"a three-byte sequence cut", "50 \xE2\x82", "50 \xEF\xBF\xBD"},
    {"a doubled ampersand", "di Fittizio && C.", "di Fittizio && C."},
    {"a line feed alone", "riga uno\nriga due", "riga uno\nriga due"},
    {"nothing", "", ""},
};

}  // namespace verbalo::contract
