#pragma once

#include <algorithm>
#include <iomanip>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "app/cli/byte_streams.h"
#include "app/cli/cli_run.h"

// verbalo-cli run in-process: its input from a string, its output and messages into strings.
namespace verbalo::testing {

// How a string input arrives: in reads of at most `piece` bytes, the first of at most `first`,
// as a pipe fed in pieces does; at its end a failed read instead of the end, where `failsAtEnd`.
struct Feed {
    std::size_t piece = std::string::npos;
    std::size_t first = std::string::npos;
    bool failsAtEnd = false;
};

class StringSource : public cli::ByteSource {
  public:
    explicit StringSource(std::string text, Feed feed = {}) : text_(std::move(text)), feed_(feed) {}
    StringSource(std::string text, std::size_t piece)
        : StringSource(std::move(text), Feed{.piece = piece}) {}

    std::optional<std::size_t> Read(std::span<char> buffer) override {
        if (given_ == text_.size() && feed_.failsAtEnd) {
            return std::nullopt;
        }
        const std::size_t piece = reads_++ == 0 ? feed_.first : feed_.piece;
        const std::size_t size = std::min({buffer.size(), piece, text_.size() - given_});
        std::copy_n(text_.begin() + static_cast<std::ptrdiff_t>(given_), size, buffer.begin());
        given_ += size;
        return size;
    }
    bool WouldWait() override { return false; }

  private:
    std::string text_;
    Feed feed_;
    std::size_t given_ = 0;
    std::size_t reads_ = 0;
};

class StringSink : public cli::ByteSink {
  public:
    bool Write(std::string_view bytes) override {
        text += bytes;
        return true;
    }
    std::string text;
};

// A run without files: --input and --output are not the tests' business here.
class NoFiles : public cli::FileAccess {
  public:
    std::expected<std::unique_ptr<cli::ByteSource>, std::string> OpenInput(
        std::string_view) override {
        return std::unexpected("no files here");
    }
    std::expected<std::unique_ptr<cli::OutputFile>, std::string> CreateOutput(
        std::string_view) override {
        return std::unexpected("no files here");
    }
    bool SameFile(std::string_view first, std::string_view second) override {
        return first == second;
    }
};

struct CliRun {
    int exitCode;
    std::string out;
    std::string err;
    bool operator==(const CliRun&) const = default;
    // For a test's failure: the exit status, and the end of each stream.
    friend void PrintTo(const CliRun& run, std::ostream* os) {
        const auto tail = [](std::string_view text) {
            return std::quoted(text.substr(text.size() - std::min<std::size_t>(text.size(), 60)));
        };
        *os << "exit " << run.exitCode << ", out (" << run.out.size() << " bytes) ending "
            << tail(run.out) << ", err " << tail(run.err);
    }
};

inline CliRun RunCliOn(std::span<const std::string_view> args, std::string input,
                       const cli::SystemNumberFormat& system, Feed feed = {}) {
    StringSource in(std::move(input), feed);
    StringSink out;
    StringSink err;
    NoFiles files;
    const int code = cli::RunCli(args, system, {in, out, err, files});
    return {code, out.text, err.text};
}

}  // namespace verbalo::testing
