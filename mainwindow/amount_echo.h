#pragma once

#include <string>
#include <string_view>

namespace verbalo {

// The echo of the amount field: the text without its grouping characters, formatted as
// "###,###,###,###,##0.00" with the given decimal separator and the other of "," and "." as
// the grouping character ("1234,5" -> "1.234,50"). The cents are rounded exactly as the wording
// rounds them. An empty text gives an empty echo; a text that is not a number comes back
// unchanged apart from the removed grouping characters.
std::string FormatAmount(std::string_view text, char decimalSeparator);

// The number at the start of a text, read with "." as the only decimal point and no regard to
// the regional settings: blanks, an optional sign, digits with at most one point. Reading stops
// at the first character that cannot continue the number; no number gives 0.
double LeadingNumber(std::string_view text);

// The number of characters of a UTF-8 text.
int CharacterCount(std::string_view utf8);

}  // namespace verbalo
