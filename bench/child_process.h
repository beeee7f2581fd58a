#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>
#include <vector>

namespace verbalo::bench {

// A program run with its standard input and output on pipes: `input` is written to it from
// another thread while its output is read and counted, as a shell pipeline would pass it on.
struct PipedRun {
    std::size_t outputBytes = 0;
    int exitStatus = -1;  // -1 when it could not be started or did not exit normally
};

PipedRun RunThroughPipes(const std::string& program, const std::vector<std::string>& args,
                         std::string_view input);

}  // namespace verbalo::bench
