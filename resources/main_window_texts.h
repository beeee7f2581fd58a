#pragma once

#include <string_view>

#include "resources/maker_data.h"

// The fixed Italian texts of the main window (its layout: form1_layout.h).
namespace verbalo::texts {

inline constexpr std::string_view kApplicationTitle = "Verbalo";
inline constexpr std::string_view kCaptionTitle = "  DESCRIZIONE LETTERALE DI NUMERI";
inline constexpr std::string_view kCaptionGap = "        ";  // eight blanks before the credit
// "by " and the legal name, which starts with the trade name: "by TALVO snc di ...".
inline constexpr std::string_view kCreditPrefix = "by ";
constexpr std::string_view MakerLegalName() {
    return maker::kLegalName;
}
inline constexpr std::string_view kAmountLabel = "Valore";
// The name a screen reader gives the box with the wording, from a label that is not shown.
inline constexpr std::string_view kWordingBoxName = "Descrizione letterale:";
inline constexpr std::string_view kCopied = "Descrizione memorizzata negli appunti di Windows";
inline constexpr std::string_view kCannotStart =
    "Impossibile avviare Verbalo: la finestra principale non si è potuta creare.";
inline constexpr std::string_view kCopyFailed =
    "Impossibile copiare negli appunti di Windows: riprovare";

}  // namespace verbalo::texts
