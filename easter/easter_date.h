#pragma once

#include <expected>
#include <string_view>

#include "easter/ole_date.h"
#include "platform/dialogs.h"

namespace verbalo {

enum class EasterError {
    YearBeyondDateRange,  // the year, rounded, is after 9999: the date type cannot hold it
};

// The Italian text for an error (the texts are in resources/message_texts.h).
std::string_view ErrorMessage(EasterError error);

// Easter Sunday in the Gregorian calendar of the year `Anno`, by the anonymous Gregorian
// computus, with 16-bit intermediates. `Anno` is rounded to the nearest integer, halves going
// to the even neighbour (2024.5 is 2024, 2025.5 is 2026).
// - `Anno` not at least 1900 (checked before rounding, so 1899.9 too) or not a number: a warning
//   message box, then the zero date.
// - `Anno` that rounds to a year after 9999 (from 9999.5 on, infinity included):
//   EasterError::YearBeyondDateRange, and no message box.
std::expected<OleDate, EasterError> PasquaGregoriana(const double& Anno,
                                                     platform::Dialogs& dialogs);

}  // namespace verbalo
