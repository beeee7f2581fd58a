#pragma once

#include <string>
#include <string_view>

namespace verbalo {

// The echo of the amount field: every text that the amount reader takes for a number, however
// large, formatted as "###,###,###,###,##0.00" with the given decimal separator and the other
// of "," and "." as the grouping character ("1234,5" -> "1.234,50"). Grouping characters count
// for nothing wherever they stand, as in the reader. The cents are rounded exactly as the
// wording rounds them. An empty text gives an empty echo; a text that is not a number comes back
// unchanged apart from the removed grouping characters.
std::string FormatAmount(std::string_view text, char decimalSeparator);

// The number at the start of a text, read with "." as the only decimal point and no regard to
// the regional settings: blanks, an optional sign, digits with at most one point. Reading stops
// at the first character that cannot continue the number; no number gives 0.
double LeadingNumber(std::string_view text);

}  // namespace verbalo
