#pragma once

#include <string>
#include <string_view>

#include "resources/producer_window_texts.h"

namespace verbalo {

// The texts of the producer window InfTalvo, built from the maker's data.

// lbIndirizzo: " " town " (" province ")".
std::string TownLine();

// Lb_dati: the telephone and fax numbers, a line feed, the mobile number.
std::string ContactNumbersText();

// The fixed text of Lb_cr.
using texts::kProducerNotice;

// What Lb_adp(3) stores to show the rest of the legal name (its "&" doubled).
std::string LegalNameRestLabelText();

}  // namespace verbalo
