#pragma once

#include <string_view>

// Who makes Verbalo and how to reach them: the one place these values live. Everything here is
// fictitious; the addresses use the reserved domain talvo.example.
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

inline constexpr std::string_view kEmail = "tv@talvo.example";
inline constexpr std::string_view kWebAddress = "http://talvo.example";

}  // namespace verbalo::maker
