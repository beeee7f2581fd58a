#pragma once

#include <string_view>

// The fixed Italian texts of verbalo-cli, the command-line front end.
namespace verbalo::texts {

// --help.
inline constexpr std::string_view kConsoleHelp =
    "Uso: verbalo-cli [opzioni] [IMPORTO...]\n"
    "     verbalo-cli [opzioni] [--input FILE] [--output FILE]\n"
    "     verbalo-cli --column N [--delimiter D] [--header] [opzioni] [--input ...]\n"
    "Scrive in lettere, come su un assegno, ogni IMPORTO. Senza importi legge un\n"
    "importo per riga (dallo standard input o da --input) e risponde riga per\n"
    "riga: vuota per una riga vuota o un importo non valido. Con --column legge\n"
    "righe di campi delimitati (CSV) e riscrive ognuna com'era, con un campo in\n"
    "più: la colonna N in lettere. Il testo può essere UTF-8, con o senza BOM,\n"
    "Windows-1252 o UTF-16 con BOM (il \"Testo Unicode\" di Excel): la risposta\n"
    "ha la stessa codifica.\n"
    "\n"
    "Opzioni:\n"
    "  --case STILE       maiuscolo, minuscolo (predefinito) o iniziali; oppure 0, 1, 2\n"
    "  --separator S      separatore decimale: , oppure . (predefinito: quello di\n"
    "                     Windows o del locale; , con il locale C o non disponibile)\n"
    "  --pasqua ANNO      scrive la data della Pasqua dell'ANNO (dal 1900 al 9999) come\n"
    "                     gg/mm/aaaa, invece di scrivere importi\n"
    "  --column N         scrive in lettere la colonna N (la prima è 1) di ogni riga\n"
    "  --delimiter D      delimitatore dei campi con --column: ; (predefinito), , o \\t\n"
    "  --header           con --column, la prima riga è l'intestazione: riceve\n"
    "                     \"Importo in lettere\" come nome del campo in più\n"
    "  --input FILE       legge FILE invece dello standard input\n"
    "  --output FILE      scrive FILE invece dello standard output: il file cambia\n"
    "                     solo a lavoro finito, e non può essere quello di --input\n"
    "  --help, -h         mostra questo aiuto\n"
    "  --version          mostra la versione\n"
    "\n"
    "Un IMPORTO: cifre, al più un separatore decimale, un - davanti se negativo;\n"
    "il simbolo dell'euro può stare prima o dopo (€ 1.234,50, 1.234,50 €, EUR 5).\n"
    "Il separatore delle migliaia (. se il decimale è , e viceversa) sta solo tra\n"
    "gruppi di tre cifre della parte intera, come in 1.234.567,89: ogni altro\n"
    "importo è segnalato, mai indovinato.\n"
    "\n"
    "Esempio: verbalo-cli --separator , 1234,5\n"
    "         Milleduecentotrentaquattro / 50\n"
    "In PowerShell, che non ha <, un file si dà con --input e --output:\n"
    "  verbalo-cli --column 2 --header --input fatture.csv --output lettere.csv\n"
    "\n"
    "Stato di uscita: 0 tutto scritto, 1 almeno un importo non valido (con --column,\n"
    "una riga segnalata) o nessuna data di Pasqua per l'anno, 2 errore d'uso,\n"
    "3 errore di lettura o di scrittura (con --output il file resta com'era).\n"
    "\n";

// The help's last line, on the separator in force and where it comes from:
// "Separatore decimale in uso: , (dal locale it_IT.UTF-8)".
inline constexpr std::string_view kSeparatorInForce = "Separatore decimale in uso: ";
inline constexpr std::string_view kSeparatorFromOption = " (scelto con --separator";
inline constexpr std::string_view kSeparatorFromWindows =
    " (dalle impostazioni internazionali di Windows";
inline constexpr std::string_view kSeparatorFromLocale = " (dal locale ";
inline constexpr std::string_view kSeparatorForCLocale = " (predefinito, perché il locale è ";
inline constexpr std::string_view kSeparatorForLocaleNotLoaded = " (predefinito, perché il locale ";
inline constexpr std::string_view kSeparatorLocaleNotLoaded = " non è disponibile";
inline constexpr std::string_view kSeparatorForOtherCharacter =
    " (predefinito, perché quello del sistema non è , né .";

// After "Separatore delle migliaia fuori posto": the rule, and the option that changes it.
inline constexpr std::string_view kGroupingRuleForComma =
    "il separatore decimale è \",\" e \".\" sta solo tra gruppi di tre cifre (1.234.567,89); "
    "se il separatore è \".\", usare --separator .";
inline constexpr std::string_view kGroupingRuleForPoint =
    "il separatore decimale è \".\" e \",\" sta solo tra gruppi di tre cifre (1,234,567.89); "
    "se il separatore è \",\", usare --separator ,";

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
inline constexpr std::string_view kColumnOptionWants =
    "--column vuole il numero di una colonna, da 1 in su";
inline constexpr std::string_view kDelimiterOptionWants =
    "--delimiter vuole ; oppure , oppure \\t (la tabulazione)";
inline constexpr std::string_view kRowOptionsWantColumn =
    "--delimiter e --header si usano solo con --column";
inline constexpr std::string_view kColumnWithAmounts =
    "--column non si usa insieme a importi da scrivere né a --pasqua";
inline constexpr std::string_view kInputOptionWants = "--input vuole il nome di un file";
inline constexpr std::string_view kOutputOptionWants = "--output vuole il nome di un file";
inline constexpr std::string_view kInputWithAmounts =
    "--input non si usa insieme a importi da scrivere né a --pasqua";
inline constexpr std::string_view kOutputIsInput =
    "--output non può essere il file di --input: le risposte lo cancellerebbero";

// With --column: the name of the field added to the header row, and the reports of a row,
// "riga 4: Importo non valido" (counted from 1, the header included). Without it, a line's.
inline constexpr std::string_view kWordingColumnName = "Importo in lettere";
inline constexpr std::string_view kRowReport = "riga ";
inline constexpr std::string_view kRowLacksColumn = "la riga non ha la colonna ";
inline constexpr std::string_view kRowUnclosedQuotes =
    "virgolette non chiuse: la riga e le seguenti restano come sono";
// "la riga ha 5 campi, più dei 4 della prima: resta com'è".
inline constexpr std::string_view kRowHasFields = "la riga ha ";
inline constexpr std::string_view kRowMoreFieldsThan = " campi, più dei ";
inline constexpr std::string_view kRowMoreFieldsEnd = " della prima: resta com'è";
// "la riga supera il limite di 2 MiB".
inline constexpr std::string_view kLineTooLong = "la riga supera il limite di ";
inline constexpr std::string_view kLineTooLongEnd = " MiB";

// What the input and the output are called in a message about them.
inline constexpr std::string_view kStandardInput = "lo standard input";
inline constexpr std::string_view kStandardOutput = "lo standard output";
// "impossibile leggere lo standard input", "impossibile scrivere \"lettere.csv\": ...".
inline constexpr std::string_view kCannotRead = "impossibile leggere ";
inline constexpr std::string_view kCannotWrite = "impossibile scrivere ";
inline constexpr std::string_view kOutOfMemory =
    "memoria esaurita: le risposte scritte sono complete, le altre mancano";
inline constexpr std::string_view kOutputLeftAsItWas = " (il file resta com'era)";

}  // namespace verbalo::texts
