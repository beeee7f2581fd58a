#pragma once

#include <string_view>

// The fixed Italian texts of the About window (its layout: about_layout.h).
namespace verbalo::texts {

// The name a screen reader gives the program's icon, from a label that is not shown.
inline constexpr std::string_view kAboutPictureName = "Icona del programma:";

// The caption: this, then the application title.
inline constexpr std::string_view kAboutCaptionPrefix = " Informazioni su ";
// lblVersion: this, then the version's numbers.
inline constexpr std::string_view kVersionPrefix = "Versione ";

// lblDescription: four lines; a blank line after the first and the second.
inline constexpr std::string_view kAboutDescription =
    "Converte un numero nella corrispondente descrizione letterale\n\n"
    "Il suo utilizzo principale è per la compilazione di assegni\n\n"
    "La descrizione calcolata viene automaticamente memorizzata\n"
    "negli appunti di Windows per il suo utilizzo successivo";

// Lb_cr: the terms of use, in two parts, the first ending in a blank before the line feed.
inline constexpr std::string_view kAboutNotice =
    "Programma gratuito: se ne consentono la copia e la distribuzione. \n"
    "Fornito così com'è, senza alcuna garanzia.";

}  // namespace verbalo::texts
