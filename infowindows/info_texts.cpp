#include "infowindows/info_texts.h"

#include "resources/main_window_texts.h"
#include "resources/maker_data.h"

namespace verbalo {

std::string AboutCaption(std::string_view applicationTitle) {
    return std::string(texts::kAboutCaptionPrefix) + std::string(applicationTitle);
}

std::string VersionText(VersionNumbers version) {
    return std::string(texts::kVersionPrefix) + std::to_string(version.major) + "." +
           std::to_string(version.minor) + "." + std::to_string(version.revision);
}

std::string AboutCreditLabelText() {
    return LabelTextShowing(std::string(texts::kCreditPrefix) + std::string(maker::kLegalName));
}

std::string TownLine() {
    return " " + std::string(maker::kTown) + " (" + std::string(maker::kProvince) + ")";
}

std::string ContactNumbersText() {
    std::string text(texts::kTelephoneLabel);
    text += maker::kTelephone;
    text += std::string(11, ' ');
    text += texts::kFaxLabel;
    text += maker::kFax;
    text += '\n';
    text += texts::kMobileLabel;
    text += maker::kMobile;
    text += "  ";
    return text;
}

std::string LegalNameRestLabelText() {
    return LabelTextShowing(maker::kLegalNameRest);
}

std::string LabelTextShowing(std::string_view shown) {
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
