#include "wording/letter_case.h"

namespace verbalo {
namespace {

char ToUpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
char ToLowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

bool ApplyCaseStyleInPlace(std::span<char> wording, std::int16_t styleIndex) {
    switch (static_cast<CaseStyle>(styleIndex)) {
        case CaseStyle::Upper:
            for (char& c : wording) {
                c = ToUpperAscii(c);
            }
            return true;
        case CaseStyle::Lower:
            for (char& c : wording.subspan(wording.empty() ? 0 : 1)) {
                c = ToLowerAscii(c);
            }
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
