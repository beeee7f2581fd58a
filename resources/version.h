#pragma once

// The program's version, in one place for the version resource and the code.
#define VERBALO_VERSION_MAJOR 18
#define VERBALO_VERSION_MINOR 3
#define VERBALO_VERSION_BUILD 0
#define VERBALO_VERSION_REVISION 12
#define VERBALO_VERSION_TEXT "18.3.0.12"
