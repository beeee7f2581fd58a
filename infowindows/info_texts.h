#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "resources/about_window_texts.h"
#include "resources/producer_window_texts.h"

// The texts of the About window frmAbout and the producer window InfTalvo that are built: from
// the version, from the maker's data.
namespace verbalo {

// The program's version as the About window shows it: the file version's first, second and
// fourth numbers.
struct VersionNumbers {
    std::uint16_t major = 0;
    std::uint16_t minor = 0;
    std::uint16_t revision = 0;
};

// " Informazioni su " and the application title.
std::string AboutCaption(std::string_view applicationTitle);
// "Versione 18.3.12".
std::string VersionText(VersionNumbers version);
// What Label1 stores to show "by " and the maker's legal name.
std::string AboutCreditLabelText();

// lbIndirizzo: " " town " (" province ")".
std::string TownLine();
// Lb_dati: the telephone and fax numbers, a line feed, the mobile number.
std::string ContactNumbersText();
// What Lb_adp(3) stores to show the rest of the legal name.
std::string LegalNameRestLabelText();

// The fixed texts of lblDescription and Lb_cr, and of InfTalvo's Lb_cr.
using texts::kAboutDescription;
using texts::kAboutNotice;
using texts::kProducerNotice;

// The text to store in a label so that it shows `shown`: a label takes "&" as the mark of an
// access key and shows "&&" as one "&".
std::string LabelTextShowing(std::string_view shown);

}  // namespace verbalo
