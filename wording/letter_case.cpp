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

std::optional<std::string> ApplyCaseStyle(std::string_view wording, std::int16_t styleIndex) {
    std::string styled(wording);
    switch (static_cast<CaseStyle>(styleIndex)) {
        case CaseStyle::Upper:
            for (char& c : styled) {
                c = ToUpperAscii(c);
            }
            return styled;
        case CaseStyle::Lower:
            for (std::size_t i = 1; i < styled.size(); ++i) {
                styled[i] = ToLowerAscii(styled[i]);
            }
            return styled;
        case CaseStyle::WordInitials:
            return styled;
    }
    return std::nullopt;
}

}  // namespace verbalo
