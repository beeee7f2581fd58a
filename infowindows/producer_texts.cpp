#include "infowindows/producer_texts.h"

#include "infowindows/label_text.h"
#include "resources/maker_data.h"

namespace verbalo {

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

}  // namespace verbalo
