#pragma once

#include <cstdint>

namespace verbalo {

// State the windows share: one object, held by the application for its whole run and handed to
// the windows and the launcher by reference.
struct Global {
    // 1 after a launch of the system-information tool failed, 0 when the program starts.
    // LaunchSystemInfo only ever writes 1; the producer window clears it before each launch and
    // reads it afterwards.
    std::int16_t systemInfoNotFound = 0;
};

}  // namespace verbalo
