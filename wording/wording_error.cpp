#include "wording/wording_error.h"

namespace verbalo {

std::string_view ErrorMessage(WordingError error) {
    switch (error) {
        case WordingError::InvalidAmount:
            return "Importo non valido";
        case WordingError::AmountTooLarge:
            return "Importo troppo grande: il massimo è 999.999.999.999,99";
        case WordingError::InvalidGroup:
            return "Gruppo di cifre non valido";
    }
    return "Errore sconosciuto";
}

}  // namespace verbalo
