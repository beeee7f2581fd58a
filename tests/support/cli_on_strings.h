#pragma once

#include <algorithm>
#include <span>
#include <string>
#include <string_view>

#include "app/cli/byte_streams.h"
#include "app/cli/cli_run.h"

// verbalo-cli run in-process: its input from a string, its output and messages into strings.
namespace verbalo::testing {

// Hands its text over at most `piece` bytes a read, as a pipe fed in pieces does.
class StringSource : public cli::ByteSource {
  public:
    explicit StringSource(std::string text, std::size_t piece = std::string::npos)
        : text_(std::move(text)), piece_(piece) {}

    std::optional<std::size_t> Read(std::span<char> buffer) override {
        const std::size_t size = std::min({buffer.size(), piece_, text_.size() - given_});
        std::copy_n(text_.begin() + static_cast<std::ptrdiff_t>(given_), size, buffer.begin());
        given_ += size;
        return size;
    }
    bool WouldWait() override { return false; }

  private:
    std::string text_;
    std::size_t piece_;
    std::size_t given_ = 0;
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
};

inline CliRun RunCliOn(std::span<const std::string_view> args, std::string input,
                       const cli::SystemNumberFormat& system) {
    StringSource in(std::move(input));
    StringSink out;
    StringSink err;
    NoFiles files;
    const int code = cli::RunCli(args, system, {in, out, err, files});
    return {code, out.text, err.text};
}

}  // namespace verbalo::testing
