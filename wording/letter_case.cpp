#include "wording/letter_case.h"

#include <cstring>

namespace verbalo {
namespace {

// Eight bytes at a time: every byte from `first` to `last` gets `bit` flipped, other bytes pass
// unchanged. Bytes of 0x80 and more are never letters. (The usual word-at-a-time comparison:
// adding 0x80 - first sets a byte's top bit when it is at least `first`.)
std::uint64_t FlipInRange(std::uint64_t bytes, char first, char last, std::uint8_t bit) {
    constexpr std::uint64_t kOnes = 0x0101010101010101;
    constexpr std::uint64_t kTops = 0x8080808080808080;
    const std::uint64_t low = bytes & ~kTops;
    const std::uint64_t atLeastFirst = low + kOnes * (0x80 - static_cast<unsigned>(first));
    const std::uint64_t aboveLast = low + kOnes * (0x80 - static_cast<unsigned>(last) - 1);
    const std::uint64_t inRange = (atLeastFirst ^ aboveLast) & ~bytes & kTops;
    return bytes ^ ((inRange >> 7) * bit);
}

// Flips `bit` of every letter from `first` to `last` in the text.
void FlipLetters(std::span<char> text, char first, char last, std::uint8_t bit) {
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t bytes = 0;
        std::memcpy(&bytes, text.data() + i, 8);
        bytes = FlipInRange(bytes, first, last, bit);
        std::memcpy(text.data() + i, &bytes, 8);
    }
    for (; i < text.size(); ++i) {
        if (text[i] >= first && text[i] <= last) {
            text[i] = static_cast<char>(text[i] ^ bit);
        }
    }
}

constexpr std::uint8_t kCaseBit = 0x20;  // 'A' ^ 'a'

}  // namespace

bool ApplyCaseStyleInPlace(std::span<char> wording, std::int16_t styleIndex) {
    switch (static_cast<CaseStyle>(styleIndex)) {
        case CaseStyle::Upper:
            FlipLetters(wording, 'a', 'z', kCaseBit);
            return true;
        case CaseStyle::Lower:
            FlipLetters(wording.subspan(wording.empty() ? 0 : 1), 'A', 'Z', kCaseBit);
            return true;
        case CaseStyle::WordInitials:
            return true;
    }
    return false;
}

std::optional<std::string> ApplyCaseStyle(std::string_view wording, std::int16_t styleIndex) {
    std::string styled(wording);
    if (!ApplyCaseStyleInPlace(styled, styleIndex)) {
        return std::nullopt;
    }
    return styled;
}

}  // namespace verbalo
