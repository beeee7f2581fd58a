#include <iostream>
#include <string_view>
#include <vector>

#include "app/cli/cli_run.h"
#include "app/cli/console.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    verbalo::cli::PrepareConsole();
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    return verbalo::cli::RunCli(args, verbalo::cli::SystemDecimalSeparator(), std::cin, std::cout,
                                std::cerr);
}
