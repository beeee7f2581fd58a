#pragma once

#include <string_view>

// The fixed Italian texts of the messages: amounts that cannot be worded, and Easter dates that
// cannot be computed.
namespace verbalo::texts {

inline constexpr std::string_view kInvalidAmount = "Importo non valido";
inline constexpr std::string_view kAmountTooLarge =
    "Importo troppo grande: il massimo è 999.999.999.999,99";
inline constexpr std::string_view kInvalidGroup = "Gruppo di cifre non valido";
inline constexpr std::string_view kMisplacedGrouping = "Separatore delle migliaia fuori posto";

// A year before 1900 (or a year that is not a number).
inline constexpr std::string_view kEasterBefore1900 =
    "Impossibile determinare il corretto giorno di Pasqua per anni precedenti al 1900.";
inline constexpr std::string_view kEasterBeyond9999 =
    "Anno oltre il 9999: la data non è rappresentabile";

// An error value outside the known ones.
inline constexpr std::string_view kUnknownError = "Errore sconosciuto";

}  // namespace verbalo::texts
