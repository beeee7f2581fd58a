#pragma once

#include <istream>
#include <ostream>

namespace verbalo::cli {

// Called before each read of the input: the answers written so far go out when the input has
// nothing more ready. A person typing sees each answer at once; a pipe or a file that has more
// lines waiting is answered in large writes.
inline void FlushWhenInputWaits(std::istream& in, std::ostream& out) {
    if (in.rdbuf() == nullptr || in.rdbuf()->in_avail() <= 0) {
        out.flush();
    }
}

}  // namespace verbalo::cli
