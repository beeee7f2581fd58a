#include <string>
#include <string_view>
#include <vector>

#include "app/cli/cli_run.h"
#include "app/cli/system_streams.h"

#ifdef _WIN32
#include "platform/utf16.h"
#include "platform/win32/dll_search.h"
#endif

namespace {

int Run(const std::vector<std::string>& arguments) {
    const verbalo::cli::SystemStreams system;
    const std::vector<std::string_view> args(arguments.begin(), arguments.end());
    return verbalo::cli::RunCli(args, verbalo::cli::ReadSystemNumberFormat(), system.Streams());
}

}  // namespace

#ifdef _WIN32
// The wide arguments, so that what the user typed arrives whole whatever the code page.
int wmain(int argc, wchar_t** argv) {
    // Before anything can load a DLL: none from the program's folder.
    verbalo::platform::win32::RestrictDllSearchToSystem32();
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.push_back(
            verbalo::platform::Utf16ToUtf8(reinterpret_cast<const char16_t*>(argv[i])));
    }
    return Run(arguments);
}
#else
int main(int argc, char** argv) {
    return Run(std::vector<std::string>(argv + 1, argv + argc));
}
#endif
