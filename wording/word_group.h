#pragma once

#include <expected>
#include <string>
#include <string_view>

#include "wording/text_buffer.h"
#include "wording/word_tables.h"
#include "wording/wording_error.h"

namespace verbalo {

// The Italian words for a group of zero to three decimal digits ("", "7", "07", "012", "999"),
// capitalised and joined without blanks; the empty string for a value of 0. Any other text is
// an InvalidGroup error.
std::expected<std::string, WordingError> WordGroup(const WordTables& tables,
                                                   std::string_view groupText);

// Appends the words of a group to out. On error out is left unchanged.
std::expected<void, WordingError> AppendGroupWords(const WordTables& tables,
                                                   std::string_view groupText, TextBuffer& out);

}  // namespace verbalo
