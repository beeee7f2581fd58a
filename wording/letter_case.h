#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace verbalo {

// The letter-case styles of the "Case" menu, by entry index.
enum class CaseStyle : std::int16_t {
    Upper = 0,         // "MAIUSCOLO": every letter upper case
    Lower = 1,         // "Minuscolo": first character as stored, every other letter lower case
    WordInitials = 2,  // "Inizio Parola": as stored
};

// The wording in the style with the given menu index; no value for an index outside 0 to 2.
// Only ASCII letters change: blanks, "/" and digits pass unchanged.
std::optional<std::string> ApplyCaseStyle(std::string_view wording, std::int16_t styleIndex);

// The same, in place; false, and the wording unchanged, for an index outside 0 to 2.
bool ApplyCaseStyleInPlace(std::span<char> wording, std::int16_t styleIndex);

}  // namespace verbalo
