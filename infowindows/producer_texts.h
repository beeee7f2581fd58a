#pragma once

#include <string>
#include <string_view>

namespace verbalo {

// The texts of the producer window InfTalvo, built from the maker's data.

// lbIndirizzo: " " town " (" province ")".
std::string TownLine();

// Lb_dati: the telephone and fax numbers, a line feed, the mobile number.
std::string ContactNumbersText();

// Lb_cr: the legal notice, shown at 7 points. Four pieces: each of the first three ends in one
// blank, and the third keeps two blanks before "non".
inline constexpr std::string_view kProducerNotice =
    "Programma gratuito, fornito così com'è, senza garanzia di alcun tipo. "
    "Il produttore non risponde di danni derivanti dal suo uso. "
    "Sono consentite la copia e la distribuzione  non a scopo di lucro, "
    "purché il programma resti integro e invariato.";

// What Lb_adp(3) stores to show the rest of the legal name (its "&" doubled).
std::string LegalNameRestLabelText();

}  // namespace verbalo
