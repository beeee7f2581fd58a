#include "infowindows/about_texts.h"

#include "infowindows/label_text.h"
#include "resources/maker_data.h"

namespace verbalo {

std::string AboutCaption(std::string_view applicationTitle) {
    return " Informazioni su " + std::string(applicationTitle);
}

std::string VersionText(VersionNumbers version) {
    return "Versione " + std::to_string(version.major) + "." + std::to_string(version.minor) + "." +
           std::to_string(version.revision);
}

std::string AboutCreditLabelText() {
    return LabelTextShowing("by " + std::string(maker::kLegalName));
}

}  // namespace verbalo
