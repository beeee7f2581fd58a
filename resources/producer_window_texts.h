#pragma once

#include <string_view>

// The fixed Italian texts of the producer window (its layout: producer_layout.h); the maker's
// own data is in maker_data.h.
namespace verbalo::texts {

// The names a screen reader gives the maker's pictogram, from a label that is not shown, and
// the hand drawn in it.
inline constexpr std::string_view kProducerPictureName = "Logo del produttore:";
inline constexpr std::string_view kThumbsUpName = "Mano con il pollice alzato";

// Lb_dati: the labels before the telephone, fax and mobile numbers, blanks included.
inline constexpr std::string_view kTelephoneLabel = " Tel. :  ";
inline constexpr std::string_view kFaxLabel = "Fax:   ";
inline constexpr std::string_view kMobileLabel = "  Cell.:  ";

// After the system-information tool's file name when the search did not find it.
inline constexpr std::string_view kNotFoundSuffix = "  NON TROVATO";

// Lb_cr: the legal notice, shown at 7 points. Four pieces: each of the first three ends in one
// blank, and the third keeps two blanks before "non".
inline constexpr std::string_view kProducerNotice =
    "Programma gratuito, fornito così com'è, senza garanzia di alcun tipo. "
    "Il produttore non risponde di danni derivanti dal suo uso. "
    "Sono consentite la copia e la distribuzione  non a scopo di lucro, "
    "purché il programma resti integro e invariato.";

}  // namespace verbalo::texts
