#pragma once

#include <cstdint>
#include <string>
#include <string_view>

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

// lblDescription: four lines; a blank line after the first and the second.
inline constexpr std::string_view kAboutDescription =
    "Converte un numero nella corrispondente descrizione letterale\n\n"
    "Il suo utilizzo principale è per la compilazione di assegni\n\n"
    "La descrizione calcolata viene automaticamente memorizzata\n"
    "negli appunti di Windows per il suo utilizzo successivo";

// Lb_cr: the terms of use, in two parts, the first ending in a blank before the line feed.
inline constexpr std::string_view kAboutNotice =
    "Programma gratuito: se ne consentono la copia e la distribuzione. \n"
    "Fornito così com'è, senza alcuna garanzia.";

// What Label1 stores to show "by " and the maker's legal name (its "&" doubled).
std::string AboutCreditLabelText();

}  // namespace verbalo
