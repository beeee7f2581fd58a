#pragma once

#include <string_view>

namespace verbalo {

// Why an amount or a digit group could not be worded.
enum class WordingError {
    InvalidAmount,      // the text is not a number
    AmountTooLarge,     // the integer part exceeds 999.999.999.999
    InvalidGroup,       // a digit group that is not zero to three decimal digits
    MisplacedGrouping,  // a grouping character outside the thousands of the integer part
};

// The Italian text shown to the user for an error (the texts are in resources/message_texts.h).
std::string_view ErrorMessage(WordingError error);

}  // namespace verbalo
