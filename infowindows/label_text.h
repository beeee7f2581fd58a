#pragma once

#include <string>
#include <string_view>

namespace verbalo {

// The text to store in a label so that it shows `shown`: a label takes "&" as the mark of an
// access key and shows "&&" as one "&".
inline std::string LabelTextShowing(std::string_view shown) {
    std::string text;
    text.reserve(shown.size());
    for (const char c : shown) {
        text += c;
        if (c == '&') {
            text += '&';
        }
    }
    return text;
}

}  // namespace verbalo
