#include "infowindows/about_texts.h"

#include "infowindows/label_text.h"
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

}  // namespace verbalo
