#pragma once

#include <expected>
#include <string>
#include <string_view>

#include "wording/amount_text.h"
#include "wording/word_tables.h"
#include "wording/wording_error.h"

namespace verbalo {

// What the composition gives for an amount: the cheque wording and the amount's value.
struct Composition {
    std::string wording;  // "MilleDueCentoTrentaQuattro / 50"
    double amountValue = 0.0;
};

// The cheque wording of an amount text: the integer part in Italian words with the scale words,
// then " / " and the two cent digits. A negative amount gets "Meno" in front.
std::expected<Composition, WordingError> ComposeWording(const WordTables& tables,
                                                        std::string_view amountText,
                                                        char decimalSeparator);

// The same, for an amount already read.
std::string ComposeWording(const WordTables& tables, const ExactAmount& amount);

}  // namespace verbalo
