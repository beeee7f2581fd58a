#pragma once

namespace verbalo::cli {

// Prepares standard input and output for byte-exact UTF-8 text with "\n" line ends.
void PrepareConsole();

// The decimal separator of the user's regional settings: ',' or '.'.
char SystemDecimalSeparator();

}  // namespace verbalo::cli
