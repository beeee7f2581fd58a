#pragma once

#include <string_view>

// The fixed Italian texts of verbalo-cli, the command-line front end.
namespace verbalo::texts {

// --help.
inline constexpr std::string_view kConsoleHelp =
    "Uso: verbalo-cli [opzioni] [IMPORTO...]\n"
    "Scrive in lettere, come su un assegno, ogni IMPORTO; senza importi legge\n"
    "un importo per riga dallo standard input.\n"
    "\n"
    "Opzioni:\n"
    "  --case STILE       maiuscolo, minuscolo (predefinito) o iniziali; oppure 0, 1, 2\n"
    "  --separator S      separatore decimale: , oppure . (predefinito: quello del "
    "sistema)\n"
    "  --pasqua ANNO      scrive la data della Pasqua dell'ANNO (dal 1900 al 9999) come\n"
    "                     gg/mm/aaaa, invece di scrivere importi\n"
    "  --help             mostra questo aiuto\n"
    "  --version          mostra la versione\n"
    "\n"
    "Esempio: verbalo-cli --separator , 1234,5\n"
    "         Milleduecentotrentaquattro / 50\n"
    "\n"
    "Stato di uscita: 0 tutto scritto, 1 almeno un importo non valido o nessuna data\n"
    "di Pasqua per l'anno, 2 errore d'uso.\n";

// After a usage error.
inline constexpr std::string_view kConsoleTryHelp = "Provare: verbalo-cli --help";

// The usage errors.
inline constexpr std::string_view kCaseOptionWants =
    "--case vuole maiuscolo, minuscolo o iniziali (oppure 0, 1, 2)";
inline constexpr std::string_view kSeparatorOptionWants = "--separator vuole , oppure .";
inline constexpr std::string_view kEasterOptionWants = "--pasqua vuole un anno, per esempio 2024";
inline constexpr std::string_view kUnknownOption = "opzione sconosciuta: ";
inline constexpr std::string_view kEasterWithAmounts =
    "--pasqua non si usa insieme a importi da scrivere";

}  // namespace verbalo::texts
