#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Text as a Win32 control holds it. The program speaks UTF-8; a control stores UTF-16, and what
// crosses into it is converted as MultiByteToWideChar(CP_UTF8) converts: each maximal ill-formed
// subsequence of the UTF-8 becomes one U+FFFD. A control's length limit counts UTF-16 units.
namespace verbalo::platform {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

namespace utf16_detail {

// The code point starting at text[pos], and how many bytes it takes; an ill-formed sequence
// gives U+FFFD and the length of its maximal subpart (at least 1).
struct Decoded {
    char32_t codePoint;
    std::size_t length;
};

inline Decoded DecodeAt(std::string_view text, std::size_t pos) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(pos);
    if (lead < 0x80) {
        return {lead, 1};
    }
    std::size_t needed = 0;
    char32_t codePoint = 0;
    std::uint8_t low = 0x80;
    std::uint8_t high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        needed = 1;
        codePoint = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        needed = 2;
        codePoint = lead & 0x0Fu;
        low = lead == 0xE0 ? 0xA0 : 0x80;   // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        needed = 3;
        codePoint = lead & 0x07u;
        low = lead == 0xF0 ? 0x90 : 0x80;   // no overlong forms
        high = lead == 0xF4 ? 0x8F : 0xBF;  // nothing above U+10FFFF
    } else {
        return {kReplacementCharacter, 1};
    }
    std::size_t length = 1;
    for (; length <= needed; ++length) {
        if (pos + length >= text.size()) {
            return {kReplacementCharacter, length};
        }
        const std::uint8_t next = byte(pos + length);
        const bool fits = length == 1 ? next >= low && next <= high : next >= 0x80 && next <= 0xBF;
        if (!fits) {
            return {kReplacementCharacter, length};
        }
        codePoint = (codePoint << 6) | (next & 0x3Fu);
    }
    return {codePoint, length};
}

inline void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace utf16_detail

// UTF-8 to UTF-16, every ill-formed subsequence replaced by U+FFFD.
inline std::u16string Utf8ToUtf16(std::string_view utf8) {
    std::u16string wide;
    wide.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto [c, length] = utf16_detail::DecodeAt(utf8, pos);
        pos += length;
        if (c < 0x10000) {
            wide += static_cast<char16_t>(c);
        } else {
            wide += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            wide += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
    }
    return wide;
}

// UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD.
inline std::string Utf16ToUtf8(std::u16string_view wide) {
    std::string utf8;
    utf8.reserve(wide.size());
    for (std::size_t i = 0; i < wide.size(); ++i) {
        char32_t c = wide[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 &&
            wide[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (wide[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = kReplacementCharacter;
        }
        utf16_detail::AppendUtf8(utf8, c);
    }
    return utf8;
}

// The text as it comes back from a control it was set into.
inline std::string AsStoredByControl(std::string_view utf8) {
    return Utf16ToUtf8(Utf8ToUtf16(utf8));
}

// The length of a text in a control: its UTF-16 units.
inline int Utf16Length(std::string_view utf8) {
    int length = 0;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto [c, bytes] = utf16_detail::DecodeAt(utf8, pos);
        pos += bytes;
        length += c < 0x10000 ? 1 : 2;
    }
    return length;
}

// How much of `utf8` ends on a whole character: all of it, less a multi-byte sequence cut short
// at its end that the bytes to come may complete. Ill-formed bytes count as whole (each becomes
// U+FFFD), so text handed over in pieces of this length converts as it would in one piece.
inline std::size_t WholeCharactersLength(std::string_view utf8) {
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t length = utf16_detail::DecodeAt(utf8, pos).length;
        const auto lead = static_cast<std::uint8_t>(utf8[pos]);
        const std::size_t whole = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if (pos + length == utf8.size() && lead >= 0xC2 && lead <= 0xF4 && length < whole) {
            return pos;
        }
        pos += length;
    }
    return utf8.size();
}

// The text without its last character: one whole code point, or one ill-formed subsequence.
inline std::string_view WithoutLastCharacter(std::string_view utf8) {
    std::size_t last = 0;
    for (std::size_t pos = 0; pos < utf8.size();) {
        last = pos;
        pos += utf16_detail::DecodeAt(utf8, pos).length;
    }
    return utf8.substr(0, last);
}

}  // namespace verbalo::platform
