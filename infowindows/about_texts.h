#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "resources/about_window_texts.h"

namespace verbalo {

// The texts of the About window frmAbout.

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

// The fixed texts of lblDescription and Lb_cr.
using texts::kAboutDescription;
using texts::kAboutNotice;

// What Label1 stores to show "by " and the maker's legal name (its "&" doubled).
std::string AboutCreditLabelText();

}  // namespace verbalo
