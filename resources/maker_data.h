#pragma once

#include <string_view>

// Who makes Verbalo and how to reach them: the one place these values live. Everything here is
// fictitious; the addresses use the reserved domain tlv.example, short enough for the e-mail and
// web labels of the producer window.
namespace verbalo::maker {

inline constexpr std::string_view kTradeName = "TALVO";
inline constexpr std::string_view kCompanyForm = "snc";  // lower case, as the window shows it
inline constexpr std::string_view kLegalNameRest = "di Fittizio & C.";
// Trade name, company form and the rest, each separated by one blank.
inline constexpr std::string_view kLegalName = "TALVO snc di Fittizio & C.";

inline constexpr std::string_view kTown = "Vallefinta";
inline constexpr std::string_view kProvince = "VF";

// Area code or mobile prefix, one blank, number.
inline constexpr std::string_view kTelephone = "000 111222";
inline constexpr std::string_view kFax = "000 111333";
inline constexpr std::string_view kMobile = "300 1112223";

inline constexpr std::string_view kEmail = "tv@tlv.example";
inline constexpr std::string_view kWebAddress = "https://tlv.example";

}  // namespace verbalo::maker
