#pragma once

#include <array>
#include <cstddef>
#include <expected>
#include <span>
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

// The longest wording there is: "Meno", the longest piece of each group of three digits, " / "
// and two digits.
inline constexpr std::size_t kLongestWording = 140;
// Room for any wording, and for the fixed-size copies that put it together: the memory that
// the forms writing into the caller's want.
inline constexpr std::size_t kWordingRoom = kLongestWording + WordTables::kReadableFromPiece;
using WordingBuffer = std::array<char, kWordingRoom>;

// The cheque wording of an amount text: the integer part in Italian words with the scale words,
// then " / " and the two cent digits. A negative amount gets "Meno" in front.
std::expected<Composition, WordingError> ComposeWording(const WordTables& tables,
                                                        std::string_view amountText,
                                                        char decimalSeparator);

// The same, written into `out`; the result is a view of it. Nothing is allocated.
std::expected<std::string_view, WordingError> ComposeWording(const WordTables& tables,
                                                             std::string_view amountText,
                                                             char decimalSeparator,
                                                             std::span<char, kWordingRoom> out);

// The wording of an amount already read, as a string and written into `out`.
std::string ComposeWording(const WordTables& tables, const ExactAmount& amount);
std::string_view ComposeWording(const WordTables& tables, const ExactAmount& amount,
                                std::span<char, kWordingRoom> out);

}  // namespace verbalo
