#pragma once

#include <string_view>

// The maker's data, in one place. All of it is fictional; mail and web use the reserved
// domain talvo.example.
namespace verbalo::maker {

// The legal name as it reads; a label shows it from "&&" so that the ampersand is not taken
// for an access key.
inline constexpr std::string_view kLegalName = "Talvo Informatica di Rossi & C. S.a.s.";
inline constexpr std::string_view kTown = "Borgoverde";
inline constexpr std::string_view kProvince = "PV";
inline constexpr std::string_view kTelephone = "0382 555010";
inline constexpr std::string_view kFax = "0382 555011";
inline constexpr std::string_view kMobile = "333 5550199";
inline constexpr std::string_view kMail = "info@talvo.example";
inline constexpr std::string_view kWeb = "http://www.talvo.example";

}  // namespace verbalo::maker
