#pragma once

#include <cstdio>
#include <source_location>

namespace verbalo::fuzz {

// Stops the program with a message naming the property when it does not hold.
inline void Require(bool holds, const char* property,
                    std::source_location where = std::source_location::current()) {
    if (!holds) {
        std::fprintf(stderr, "%s:%u: property does not hold: %s\n", where.file_name(),
                     static_cast<unsigned>(where.line()), property);
        __builtin_trap();
    }
}

}  // namespace verbalo::fuzz
